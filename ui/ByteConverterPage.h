// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace zandrel {

class ButtonEdit;
struct ByteEntry;

// The first page: one byte as eight bit boxes and as binary, decimal and hexadecimal text.
class ByteConverterPage : public QWidget
{
    Q_OBJECT

public:
    explicit ByteConverterPage(QWidget *parent = nullptr);

    void CheckBox8Click();
    void BinCalcBtnClick();
    void BinEditEditButtons0Click();
    void DecEditEditButtons0Click();
    void HexEditEditButtons0Click();

private:
    // Shows a refusal; true when the entry holds a byte to convert.
    static bool accept(const ByteEntry &entry);
    // An accepted entry goes into the binary box as binary digits and from there to every
    // view, the way the binary box's button converts it.
    void showThroughBinary(const ByteEntry &entry);
    // Puts byte value into the decimal and hexadecimal boxes.
    void showDecimalAndHex(int value);

    QGroupBox *BinGroupBox;
    QPushButton *BinCalcBtn;
    ButtonEdit *BinEdit;
    ButtonEdit *DecEdit;
    ButtonEdit *HexEdit;
};

} // namespace zandrel
