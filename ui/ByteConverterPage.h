#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace zandrel {

class ButtonEdit;

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
    // Puts byte value into the decimal and hexadecimal boxes.
    void showDecimalAndHex(int value);

    QGroupBox *BinGroupBox;
    QPushButton *BinCalcBtn;
    ButtonEdit *BinEdit;
    ButtonEdit *DecEdit;
    ButtonEdit *HexEdit;
};

} // namespace zandrel
