// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/SegmentImage.h"

#include "ui/Accessible.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zandrel {
namespace {

// To assistive tools a segment is a check box, checked while lit, so that a screen reader
// says whether it is lit (every Qt version maps that role, on AT-SPI and UI Automation alike);
// pressing or toggling it is a click on it.
class SegmentAccessible : public ClickableAccessible<SegmentImage>
{
public:
    explicit SegmentAccessible(SegmentImage *image) : ClickableAccessible(image, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = ClickableAccessible::state();
        state.checkable = true;
        state.checked = target()->Tag != 0;
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
};

} // namespace

SegmentImage::SegmentImage(QWidget *parent) : QLabel(parent)
{
    installAccessibleInterface<SegmentImage, SegmentAccessible>();
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QImage &SegmentImage::bitmap()
{
    if (picture_.isNull()) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
    }
    return picture_;
}

void SegmentImage::drawOutline(std::span<const QPoint, 6> outline, const QColor &fill)
{
    {
        QPainter painter(&bitmap());
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill);
        painter.drawPolygon(outline.data(), static_cast<int>(outline.size()));
    }
    showPicture();
}

void SegmentImage::showPicture()
{
    // The bottom-left corner lies outside every outline, so its colour is the background
    // to leave out; an unlit segment filled in that colour shows only its edge.
    const QImage &picture = bitmap();
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(
        pixmap.createMaskFromColor(picture.pixelColor(0, picture.height() - 1), Qt::MaskInColor));
    setPixmap(pixmap);
    // Each drawing follows a change of the lit state (or draws it unlit at start).
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void SegmentImage::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void SegmentImage::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    // Like a button: letting go outside the segment takes the click back.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zandrel
