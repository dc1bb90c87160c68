// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/SegmentCode.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace zandrel::studio {

// The segments a port byte lights on a display wired that way: segmentCode read backwards.
SegmentSet litSegments(std::uint8_t code, SegmentWiring wiring, const PinOrder &pins);

// Each code of a segment table drawn as the digit it lights, with its character beneath.
class SegmentDigits : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentDigits(QWidget *parent = nullptr);

    void setCodes(std::vector<std::uint8_t> codes, QStringList labels, SegmentWiring wiring,
                  const PinOrder &pins);

    // The outline of a segment of the digit at index, in widget coordinates.
    QPolygonF segmentShape(int index, Segment segment) const;

    QSize sizeHint() const override;

    static const QColor kLit;
    static const QColor kUnlit;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<std::uint8_t> codes_;
    QStringList labels_;
    SegmentWiring wiring_ = SegmentWiring::CommonAnode;
    PinOrder pins_ = kWindowPinOrder;
};

} // namespace zandrel::studio
