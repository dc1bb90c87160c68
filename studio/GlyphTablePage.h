// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "readers/FontCatalog.h"
#include "studio/GeneratorPage.h"
#include "studio/GlyphStrip.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QThread;

namespace zandrel::studio {

class ScanOrderView;
struct ExtentFields;

// One glyph of the preview strip: its character, its bitmap and its bytes as in the table.
struct GlyphPreviewEntry
{
    QString character;
    Bitmap bitmap;
    QByteArray bytes;
};

// 字模: the glyphs of a text, or of the whole GB2312 library, in any font and layout.
class GlyphTablePage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit GlyphTablePage(QWidget *parent = nullptr);
    ~GlyphTablePage() override;

    // The strip shows entries; total is the number of glyphs in the table when more.
    void showGlyphs(std::vector<GlyphPreviewEntry> entries, qsizetype total);
    // Fills the family list; called once the window is shown. The fonts are listed once, on a
    // thread of their own, as opening each of them takes a while; fontsListed() follows.
    void loadFontFamilies();
    bool fontsAreListed() const { return fontsListed_; }

signals:
    void fontsListed();

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    void fontSourceChanged();
    void familyChanged();
    void styleChanged();
    const InstalledFont *chosenFont() const;
    void showCurrentGlyph(int index);
    void chooseFontFile();

    QPlainTextEdit *text_;
    QCheckBox *library_;
    QComboBox *fontSource_;
    QComboBox *family_;
    QCheckBox *chineseOnly_;
    QComboBox *style_;
    QLabel *strikes_;
    QLineEdit *fontFile_;
    QPushButton *fontFileButton_;
    QSpinBox *face_;
    QSpinBox *size_;
    QSpinBox *cellWidth_;
    QSpinBox *cellHeight_;
    QSpinBox *asciiCellWidth_;
    QSpinBox *asciiCellHeight_;
    QComboBox *display_;
    QComboBox *layout_;
    QComboBox *bitOrder_;
    QComboBox *pad_;
    QComboBox *invert_;
    QComboBox *format_;
    QComboBox *compiler_;
    QLineEdit *name_;
    QLineEdit *asciiName_;
    QCheckBox *clip_;
    QComboBox *encoding_;
    QCheckBox *crlf_;
    ScanOrderView *scanOrder_;
    GlyphPreview preview_;
    std::vector<GlyphPreviewEntry> entries_;
    qsizetype total_ = 0;
    std::vector<InstalledFont> fonts_;
    bool fontsListed_ = false;
    QThread *fontLister_ = nullptr;
    // Glyphs the strip draws at most: a whole library is shown by its first ones.
    static constexpr std::size_t kShownGlyphs = 512;
};

} // namespace zandrel::studio
