// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/SegmentDigits.h"

#include <QPainter>

namespace zandrel::studio {
namespace {

// A digit in a 40 × 64 box, a segment 6 thick, with room for its character beneath.
constexpr qreal kDigitWidth = 40;
constexpr qreal kDigitHeight = 64;
constexpr qreal kThick = 6;
constexpr qreal kPitch = 52;
constexpr qreal kLabelHeight = 18;
constexpr qreal kMargin = 4;

QPolygonF horizontal(qreal x, qreal y, qreal length)
{
    const qreal h = kThick / 2;
    return QPolygonF({QPointF(x, y), QPointF(x + h, y - h), QPointF(x + length - h, y - h),
                      QPointF(x + length, y), QPointF(x + length - h, y + h),
                      QPointF(x + h, y + h)});
}

QPolygonF vertical(qreal x, qreal y, qreal length)
{
    const qreal h = kThick / 2;
    return QPolygonF({QPointF(x, y), QPointF(x + h, y + h), QPointF(x + h, y + length - h),
                      QPointF(x, y + length), QPointF(x - h, y + length - h),
                      QPointF(x - h, y + h)});
}

} // namespace

const QColor SegmentDigits::kLit(220, 0, 0);
const QColor SegmentDigits::kUnlit(235, 225, 225);

SegmentSet litSegments(std::uint8_t code, SegmentWiring wiring, const PinOrder &pins)
{
    // A common cathode lights a segment with a 1, a common anode with a 0.
    const std::uint8_t lit = wiring == SegmentWiring::CommonCathode ? code : std::uint8_t(~code);
    SegmentSet segments = 0;
    for (int bit = 7; bit >= 0; --bit) {
        if ((lit >> bit) & 1)
            segments |= SegmentSet(1u << unsigned(pins[std::size_t(7 - bit)]));
    }
    return segments;
}

SegmentDigits::SegmentDigits(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SegmentDigits"));
    setAccessibleName(QStringLiteral("段码预览"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SegmentDigits::setCodes(std::vector<std::uint8_t> codes, QStringList labels,
                             SegmentWiring wiring, const PinOrder &pins)
{
    codes_ = std::move(codes);
    labels_ = std::move(labels);
    wiring_ = wiring;
    pins_ = pins;
    updateGeometry();
    update();
}

QPolygonF SegmentDigits::segmentShape(int index, Segment segment) const
{
    const qreal x = kMargin + 4 + index * kPitch;
    const qreal y = kMargin + 4;
    const qreal w = kDigitWidth - 12;
    const qreal half = (kDigitHeight - 8) / 2;
    switch (segment) {
    case Segment::A:
        return horizontal(x, y, w);
    case Segment::B:
        return vertical(x + w, y, half);
    case Segment::C:
        return vertical(x + w, y + half, half);
    case Segment::D:
        return horizontal(x, y + 2 * half, w);
    case Segment::E:
        return vertical(x, y + half, half);
    case Segment::F:
        return vertical(x, y, half);
    case Segment::G:
        return horizontal(x, y + half, w);
    case Segment::DP:
        break;
    }
    const QPointF centre(x + w + 7, y + 2 * half);
    return QPolygonF({centre + QPointF(-3, -3), centre + QPointF(3, -3), centre + QPointF(3, 3),
                      centre + QPointF(-3, 3)});
}

QSize SegmentDigits::sizeHint() const
{
    return {int(2 * kMargin + qreal(codes_.size()) * kPitch),
            int(2 * kMargin + kDigitHeight + kLabelHeight)};
}

void SegmentDigits::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < int(codes_.size()); ++i) {
        const SegmentSet lit = litSegments(codes_[std::size_t(i)], wiring_, pins_);
        for (int s = 0; s < 8; ++s) {
            painter.setBrush((lit >> s) & 1 ? kLit : kUnlit);
            painter.drawPolygon(segmentShape(i, Segment(s)));
        }
        if (i < labels_.size()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(
                QRectF(kMargin + i * kPitch, kMargin + kDigitHeight, kDigitWidth, kLabelHeight),
                Qt::AlignCenter, labels_.at(i));
            painter.setPen(Qt::NoPen);
        }
    }
}

} // namespace zandrel::studio
