// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zandrel {

class DotMatrixImage;
class RadioGroup;

// The third page: a GB2312 character's 16 x 16 dot matrix, previewed and written as code.
class GlyphPage : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphPage(QWidget *parent = nullptr);

    void TabSheet3Show();
    // Previews the input's glyph and writes its code text into the memo.
    void GetHzBtnClick();
    // A character typed into the input box; Enter generates.
    void HzInputEditKeyPress(QChar key);
    void HzMarkCheckBoxClick();
    void LanguageModeClick();
    void CopyHzMarkBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inputIsBlank() const;

    DotMatrixImage *HzMarkImage;
    DotMatrixImage *HZSmallMarkImage;
    QPushButton *GetHzBtn;
    QLineEdit *HzInputEdit;
    QPlainTextEdit *HzMarkMemo;
    RadioGroup *LanguageMode;
    QCheckBox *HzMarkCheckBox;
    QPushButton *CopyHzMarkBtn;
};

} // namespace zandrel
