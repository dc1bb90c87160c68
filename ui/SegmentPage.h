// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QWidget>

#include <span>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zandrel {

class RadioGroup;
class SegmentImage;
class TMainForm;

// The second page: a clickable seven-segment digit and its segment code.
class SegmentPage : public QWidget
{
    Q_OBJECT

public:
    SegmentPage(TMainForm &form, QWidget *parent = nullptr);

    // Draws every segment unlit; the lit states are left as they are.
    void drawDigit();
    // Toggles the clicked segment, then computes the code.
    void LED_AImageClick(SegmentImage *Sender);
    // Writes the code of the lit segments for the chosen wiring, bit 7 (H) first.
    void GetLedNumClick();

    // Selected item of LedComm: 0 common anode, 1 common cathode.
    int ledCommItemIndex() const;

private:
    // The outline for a segment letter: H the point, B, C, E, F vertical, others horizontal.
    std::span<const QPoint, 6> outlineOf(const SegmentImage &image) const;

    TMainForm &form_;
    QGroupBox *LedGroupBox;
    RadioGroup *LedComm;
    QPushButton *GetLedNum;
    QLineEdit *LedBinEdit;
    QLineEdit *LedHexEdit;
};

} // namespace zandrel
