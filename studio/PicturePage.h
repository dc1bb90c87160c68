// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "studio/GeneratorPage.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QSlider;
class QSpinBox;

namespace zandrel::studio {

class PictureCompare;

// 图片: a picture from a file, a drop or the clipboard, made one bit deep for an LCD or OLED.
class PicturePage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit PicturePage(QWidget *parent = nullptr);

    // The picture to convert: a file, or a picture's bytes without one (pasted or dropped data).
    void setPictureFile(const QString &path);
    void setPictureBytes(const QByteArray &bytes);
    // Takes a file or picture from dropped or pasted data; false if it carries neither.
    bool takePicture(const QMimeData &data);

    const QString &pictureFile() const { return pictureFile_; }
    const QByteArray &pictureBytes() const { return pictureBytes_; }

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;
    QString commandLineToCopy() override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void openPicture();
    void pastePicture();
    void showSource();

    QLineEdit *file_;
    QLabel *fileNote_;
    QComboBox *display_;
    QSpinBox *width_;
    QSpinBox *height_;
    QComboBox *fit_;
    QSlider *threshold_;
    QSpinBox *thresholdValue_;
    QComboBox *dither_;
    QComboBox *invert_;
    QComboBox *layout_;
    QComboBox *bitOrder_;
    QComboBox *pad_;
    QComboBox *format_;
    QLineEdit *name_;
    QComboBox *compiler_;
    QCheckBox *crlf_;
    PictureCompare *compare_;
    QString pictureFile_;
    QByteArray pictureBytes_;
    std::optional<Bitmap> bitmap_; // of the last result
};

} // namespace zandrel::studio
