// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/PicturePage.h"

#include "readers/Picture.h"
#include "studio/PageOptions.h"
#include "studio/PageRequests.h"
#include "studio/PictureCompare.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

namespace zandrel::studio {
namespace {

// The source is shown only as a guide; a picture larger than this is not decoded for it.
constexpr int kLargestShownSide = 8192;

QImage readForDisplay(QImageReader &reader)
{
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestShownSide || size.height() > kLargestShownSide)
        return {};
    return reader.read();
}

} // namespace

PicturePage::PicturePage(QWidget *parent) : GeneratorPage(QStringLiteral("image"), parent)
{
    setObjectName(QStringLiteral("PicturePage"));
    setAcceptDrops(true);

    auto *fileRow = new QWidget;
    fileRow->setObjectName(QStringLiteral("PictureFileRow"));
    auto *fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    file_ = new QLineEdit;
    file_->setObjectName(QStringLiteral("PictureFileEdit"));
    file_->setReadOnly(true);
    file_->setAccessibleName(QStringLiteral("图片"));
    file_->setPlaceholderText(QStringLiteral("打开、拖入或粘贴一张图片"));
    auto *open = new QPushButton(QStringLiteral("打开(&O)…"));
    open->setObjectName(QStringLiteral("PictureOpenButton"));
    open->setAccessibleName(QStringLiteral("打开图片"));
    auto *paste = new QPushButton(QStringLiteral("粘贴(&P)"));
    paste->setObjectName(QStringLiteral("PicturePasteButton"));
    paste->setAccessibleName(QStringLiteral("粘贴图片"));
    fileLayout->addWidget(file_, 1);
    fileLayout->addWidget(open);
    fileLayout->addWidget(paste);
    optionsLayout()->addRow(QStringLiteral("图片(&I)："), fileRow);
    fileNote_ = new QLabel;
    fileNote_->setObjectName(QStringLiteral("PictureFileNote"));
    fileNote_->setWordWrap(true);
    fileNote_->hide();
    optionsLayout()->addRow(fileNote_);
    connect(open, &QPushButton::clicked, this, &PicturePage::openPicture);
    connect(paste, &QPushButton::clicked, this, &PicturePage::pastePicture);
    // Ctrl+V anywhere on the page pastes a picture, except in a field that takes text itself.
    auto *pasteAction = new QAction(this);
    pasteAction->setShortcut(QKeySequence::Paste);
    pasteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(pasteAction, &QAction::triggered, this, &PicturePage::pastePicture);
    addAction(pasteAction);

    display_ = makeDisplayBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("显示屏(&D)："), display_, QStringLiteral("display"));
    const ExtentFields size =
        makeExtentFields(QStringLiteral("PictureSize"), QStringLiteral("大小"), true, 128, 64);
    width_ = size.width;
    height_ = size.height;
    addOption(QStringLiteral("大小(&Z)："), size.row, QStringLiteral("size"));
    fit_ = makeChoiceBox(QStringLiteral("PictureFitBox"),
                         {{QStringLiteral("保持宽高比，居中"), QStringLiteral("fit")},
                          {QStringLiteral("拉伸到整个大小"), QStringLiteral("stretch")}});
    addOption(QStringLiteral("缩放："), fit_, QStringLiteral("stretch"));

    auto *thresholdRow = new QWidget;
    thresholdRow->setObjectName(QStringLiteral("PictureThresholdRow"));
    auto *thresholdLayout = new QHBoxLayout(thresholdRow);
    thresholdLayout->setContentsMargins(0, 0, 0, 0);
    threshold_ = new QSlider(Qt::Horizontal);
    threshold_->setObjectName(QStringLiteral("PictureThresholdSlider"));
    threshold_->setRange(0, 255);
    threshold_->setValue(128);
    threshold_->setPageStep(16);
    threshold_->setAccessibleName(QStringLiteral("阈值"));
    thresholdValue_ = new QSpinBox;
    thresholdValue_->setObjectName(QStringLiteral("PictureThresholdSpin"));
    thresholdValue_->setRange(0, 255);
    thresholdValue_->setValue(128);
    thresholdValue_->setAccessibleName(QStringLiteral("阈值数值"));
    thresholdLayout->addWidget(threshold_, 1);
    thresholdLayout->addWidget(thresholdValue_);
    connect(threshold_, &QSlider::valueChanged, thresholdValue_, &QSpinBox::setValue);
    connect(thresholdValue_, &QSpinBox::valueChanged, threshold_, &QSlider::setValue);
    addOption(QStringLiteral("阈值(&H)："), thresholdRow, QStringLiteral("threshold"));

    dither_ = makeChoiceBox(
        QStringLiteral("PictureDitherBox"),
        {{QStringLiteral("不抖动"), QStringLiteral("none")},
         {QStringLiteral("Floyd–Steinberg 误差扩散"), QStringLiteral("floyd-steinberg")},
         {QStringLiteral("Atkinson 误差扩散"), QStringLiteral("atkinson")},
         {QStringLiteral("Bayer 4×4 有序抖动"), QStringLiteral("bayer4")}});
    addOption(QStringLiteral("抖动(&T)："), dither_, QStringLiteral("dither"));
    invert_ = makeInvertBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("阴码/阳码："), invert_, QStringLiteral("invert"));
    layout_ = makeLayoutBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("取模方式(&Y)："), layout_, QStringLiteral("layout"));
    bitOrder_ = makeBitOrderBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("字节位序(&B)："), bitOrder_, QStringLiteral("bit-order"));
    pad_ = makePadBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("补位："), pad_, QStringLiteral("pad"));
    format_ = makeChoiceBox(QStringLiteral("PictureFormatBox"),
                            {{QStringLiteral("C51数组"), QStringLiteral("c51")},
                             {QStringLiteral("汇编 DB"), QStringLiteral("asm")},
                             {QStringLiteral("二进制文件"), QStringLiteral("bin")},
                             {QStringLiteral("字符画预览"), QStringLiteral("preview")},
                             {QStringLiteral("PBM图片"), QStringLiteral("pbm")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));
    name_ = makeNameEdit(QStringLiteral("Picture"), QStringLiteral("image"));
    addOption(QStringLiteral("数组名(&N)："), name_, QStringLiteral("name"));
    compiler_ = makeCompilerBox(QStringLiteral("Picture"));
    addOption(QStringLiteral("编译器："), compiler_, QStringLiteral("compiler"));
    crlf_ = makeCrlfBox(QStringLiteral("Picture"));
    addOptionRow(crlf_, QStringLiteral("crlf"));

    compare_ = new PictureCompare;
    setPreview(compare_);

    // The remembered picture, unless it is gone: then the page starts without one and says so.
    remember(file_);
    if (const QString remembered = file_->text(); !remembered.isEmpty()) {
        if (QFileInfo(remembered).isFile()) {
            pictureFile_ = remembered;
            // Read once the window shows, not before.
            QTimer::singleShot(0, this, &PicturePage::showSource);
        } else {
            file_->clear();
            fileNote_->setText(
                QStringLiteral("上次的图片“%1”已不存在").arg(QDir::toNativeSeparators(remembered)));
            fileNote_->show();
        }
    }

    setSaveChoice(QStringLiteral("image.c"),
                  QStringLiteral("C源文件 (*.c *.h);;汇编 (*.asm *.a51 *.s);;二进制 "
                                 "(*.bin);;PBM图片 (*.pbm);;所有文件 (*)"));
}

void PicturePage::setPictureFile(const QString &path)
{
    pictureFile_ = path;
    pictureBytes_.clear();
    file_->setText(path);
    fileNote_->hide();
    showSource();
    scheduleUpdate();
}

void PicturePage::setPictureBytes(const QByteArray &bytes)
{
    pictureFile_.clear();
    pictureBytes_ = bytes;
    // Not a file: nothing to remember, so the file remembered before is forgotten (else the next
    // run would start with it), and the field says where the picture came from.
    file_->clear();
    const QSignalBlocker blocker(file_);
    file_->setText(QStringLiteral("（粘贴的图片）"));
    fileNote_->hide();
    showSource();
    scheduleUpdate();
}

bool PicturePage::takePicture(const QMimeData &data)
{
    if (data.hasUrls()) {
        for (const QUrl &url : data.urls()) {
            if (url.isLocalFile()) {
                setPictureFile(url.toLocalFile());
                return true;
            }
        }
    }
    if (data.hasImage()) {
        // Kept as PNG bytes, so that the picture goes through the same reader and caps as a file.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!qvariant_cast<QImage>(data.imageData()).save(&buffer, "PNG"))
            return false;
        setPictureBytes(bytes);
        return true;
    }
    return false;
}

void PicturePage::openPicture()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("打开图片"), pictureFile_,
        QStringLiteral("图片 (*.png *.bmp *.gif *.jpg *.jpeg *.pbm *.xbm);;所有文件 (*)"));
    if (!path.isEmpty())
        setPictureFile(path);
}

void PicturePage::pastePicture()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && takePicture(*data))
        return;
    fileNote_->setText(QStringLiteral("剪贴板里没有图片"));
    fileNote_->show();
}

void PicturePage::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasImage())
        event->acceptProposedAction();
}

void PicturePage::dropEvent(QDropEvent *event)
{
    if (takePicture(*event->mimeData()))
        event->acceptProposedAction();
}

void PicturePage::showSource()
{
    QImage source;
    if (!pictureFile_.isEmpty()) {
        QImageReader reader(pictureFile_);
        source = readForDisplay(reader);
    } else if (!pictureBytes_.isEmpty()) {
        QBuffer buffer(&pictureBytes_);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        source = readForDisplay(reader);
    }
    compare_->setSource(source);
}

PageResult PicturePage::makeResult()
{
    using namespace generators;
    bitmap_.reset();
    if (pictureFile_.isEmpty() && pictureBytes_.isEmpty())
        return {{}, {}, {QStringLiteral("打开、拖入或粘贴一张图片")}, {}, {}};
    const CommandInfo &command = imageCommandInfo();
    PictureRequest request;
    request.path = pictureFile_;
    if (pictureFile_.isEmpty())
        request.bytes = pictureBytes_;
    request.packing.display = textOrNothing(choiceOf(display_));
    const bool byDisplay = request.packing.display.has_value();
    // A display gives the size, layout, bit order and padding; the fields would override them.
    for (QWidget *field :
         std::initializer_list<QWidget *>{width_, height_, layout_, bitOrder_, pad_})
        field->setEnabled(!byDisplay);
    if (!byDisplay) {
        if (const auto width = valueOrAuto(width_), height = valueOrAuto(height_); width && height)
            request.size = Extent{*width, *height};
        request.packing.layout = chosen<BitmapLayout>(layout_, command, QStringLiteral("layout"));
        request.packing.bitOrder =
            chosen<BitOrder>(bitOrder_, command, QStringLiteral("bit-order"));
        request.packing.pad = chosen<Padding>(pad_, command, QStringLiteral("pad"));
    }
    request.stretch = choiceOf(fit_) == QLatin1String("stretch");
    request.threshold = unlessDefault(thresholdValue_->value(), kDefaultThreshold);
    request.dither = chosen<Dither>(dither_, command, QStringLiteral("dither"));
    request.packing.invert = choiceOf(invert_) == QLatin1String("true");
    request.format = chosen<ImageFormat>(format_, command, QStringLiteral("format"));
    request.name = textOrNothing(name_->text());
    request.compiler = chosen<CCompiler>(compiler_, command, QStringLiteral("compiler"));
    request.crlf = crlf_->isChecked();

    // The reader is linked in: the loader only hands its function over.
    Result result = makePictureTable(request, [](QString *) { return &decodePictureTo; });
    if (!result.bitmaps.empty())
        bitmap_ = std::move(result.bitmaps.front().bitmap);
    const bool raw = request.format == ImageFormat::Bin || request.format == ImageFormat::Pbm;
    PageResult page =
        pageResultOf(std::move(result), request, raw ? CodeKind::Raw : CodeKind::Utf8);
    // A pasted picture has no file for the command to name.
    if (pictureFile_.isEmpty())
        page.commandLine.clear();
    return page;
}

void PicturePage::showResult(const PageResult &result)
{
    if (result.refusal || result.bytes.isEmpty() || !bitmap_)
        compare_->clearResult();
    else
        compare_->setResult(*bitmap_);
    // The command line of a pasted picture is copied once the picture is saved.
    copyCommandButton()->setEnabled(!result.refusal && !result.bytes.isEmpty());
}

QString PicturePage::commandLineToCopy()
{
    if (!pictureFile_.isEmpty() || pictureBytes_.isEmpty())
        return result().commandLine;
    if (QMessageBox::question(
            this, QStringLiteral("复制命令行"),
            QStringLiteral("粘贴的图片还没有文件，命令行无法引用它。先把它保存为文件吗？")) !=
        QMessageBox::Yes)
        return {};
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("保存图片"), QStringLiteral("image.png"),
                                     QStringLiteral("PNG图片 (*.png)"));
    if (path.isEmpty())
        return {};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pictureBytes_) != pictureBytes_.size() ||
        !file.commit()) {
        ShowError(QStringLiteral("无法保存图片“%1”。").arg(QDir::toNativeSeparators(path)));
        return {};
    }
    setPictureFile(path);
    updateNow();
    return result().commandLine;
}

} // namespace zandrel::studio
