// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "studio/GeneratorPage.h"
#include "studio/GlyphStrip.h"

#include <QStringList>

#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace zandrel::studio {

// 字模还原: bytes as people have them (C, asm, bare hex, a bin file) drawn back as glyphs.
class DecodePage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit DecodePage(QWidget *parent = nullptr);

    // A bin file whose bytes are read instead of the text; empty to go back to the text.
    void setBinaryFile(const QString &path);
    const QString &binaryFile() const { return binaryFile_; }
    // The glyphs drawn from the bytes; total counts them all when only the first are given.
    void showGlyphs(std::vector<Bitmap> glyphs, qsizetype total);

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    void openBinary();
    void showCurrentGlyph(int index);

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
    GlyphPreview preview_;
    QString binaryFile_;
    std::vector<Bitmap> glyphs_; // of the last result, for its preview
    QStringList glyphBytes_;     // and the bytes of each, "0x00,0x08,…"
    QStringList shownBytes_;     // those of the glyphs the strip shows
    qsizetype total_ = 0;
    // Glyphs the strip draws at most: a whole library is shown by its first ones.
    static constexpr std::size_t kShownGlyphs = 512;
};

} // namespace zandrel::studio
