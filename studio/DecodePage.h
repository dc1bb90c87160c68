// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "studio/GeneratorPage.h"

#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace zandrel::studio {

class GlyphStrip;

// 字模还原: bytes as people have them (C, asm, bare hex, a bin file) drawn back as glyphs.
class DecodePage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit DecodePage(QWidget *parent = nullptr);

    // The bytes of a bin file instead of the text; empty to go back to the text.
    void setBinaryBytes(const QByteArray &bytes);
    const QByteArray &binaryBytes() const { return binary_; }
    // The glyphs drawn from the bytes.
    void showGlyphs(std::vector<Bitmap> glyphs);

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    void openBinary();

    QPlainTextEdit *text_;
    QLabel *binaryNote_;
    QPushButton *clearBinary_;
    QSpinBox *width_;
    QSpinBox *height_;
    QComboBox *layout_;
    QComboBox *bitOrder_;
    QComboBox *pad_;
    QComboBox *invert_;
    QComboBox *format_;
    GlyphStrip *strip_;
    QByteArray binary_;
};

} // namespace zandrel::studio
