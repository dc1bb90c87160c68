// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/GeneratorPage.h"

#include "studio/ComboListNames.h"
#include "studio/StudioSettings.h"
#include "ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace zandrel::studio {
namespace {

constexpr const char *kPendingChoice = "rememberedChoice";

// Calls changed whenever the user edits field; a field without a value of its own (a row of
// spin boxes) is watched through its children.
template <typename Changed> void onEdit(QWidget *field, QObject *context, Changed changed)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
        QObject::connect(text, &QPlainTextEdit::textChanged, context, changed);
    } else if (auto *box = qobject_cast<QComboBox *>(field)) {
        QObject::connect(box, &QComboBox::currentIndexChanged, context, changed);
        if (box->isEditable())
            QObject::connect(box, &QComboBox::editTextChanged, context, changed);
    } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
        QObject::connect(spin, &QSpinBox::valueChanged, context, changed);
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(field)) {
        QObject::connect(doubleSpin, &QDoubleSpinBox::valueChanged, context, changed);
    } else if (auto *button = qobject_cast<QAbstractButton *>(field)) {
        if (button->isCheckable())
            QObject::connect(button, &QAbstractButton::toggled, context, changed);
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(field)) {
        QObject::connect(slider, &QAbstractSlider::valueChanged, context, changed);
    } else {
        for (QWidget *child : field->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            onEdit(child, context, changed);
    }
}

QVariant valueOf(const QWidget *field)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(field))
        return edit->text();
    if (auto *text = qobject_cast<const QPlainTextEdit *>(field))
        return text->toPlainText();
    if (auto *box = qobject_cast<const QComboBox *>(field)) {
        // A list filled at run time (font families) keeps its text; fixed choices their spelling.
        const QVariant data = box->currentData();
        return box->isEditable() || !data.isValid() ? box->currentText() : data.toString();
    }
    if (auto *spin = qobject_cast<const QSpinBox *>(field))
        return spin->value();
    if (auto *doubleSpin = qobject_cast<const QDoubleSpinBox *>(field))
        return doubleSpin->value();
    if (auto *button = qobject_cast<const QAbstractButton *>(field))
        return button->isCheckable() ? QVariant(button->isChecked()) : QVariant();
    if (auto *slider = qobject_cast<const QAbstractSlider *>(field))
        return slider->value();
    return {};
}

// Puts a remembered value back; one that no longer fits (a choice since removed) is ignored.
void setValueOf(QWidget *field, const QVariant &value)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->setText(value.toString());
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
        text->setPlainText(value.toString());
    } else if (auto *box = qobject_cast<QComboBox *>(field)) {
        if (box->isEditable()) {
            box->setEditText(value.toString());
        } else if (const int index = box->findData(value.toString()); index >= 0) {
            box->setCurrentIndex(index);
        } else if (const int textIndex = box->findText(value.toString()); textIndex >= 0) {
            box->setCurrentIndex(textIndex);
        } else {
            // Not listed yet: the page picks it once it fills the list.
            box->setProperty(kPendingChoice, value.toString());
        }
    } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
        spin->setValue(value.toInt());
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(field)) {
        doubleSpin->setValue(value.toDouble());
    } else if (auto *button = qobject_cast<QAbstractButton *>(field)) {
        button->setChecked(value.toBool());
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(field)) {
        slider->setValue(value.toInt());
    }
}

// Leaves are what hold values; a row of fields is remembered field by field.
QList<QWidget *> valueFields(QWidget *field)
{
    if (valueOf(field).isValid())
        return {field};
    QList<QWidget *> fields;
    for (QWidget *child : field->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        fields += valueFields(child);
    return fields;
}

void showAsRefusal(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    label->setPalette(palette);
}

// The options column is as wide as its widest field, so that nothing is cut off; it scrolls only
// up and down.
class OptionsArea : public QScrollArea
{
public:
    QSize minimumSizeHint() const override
    {
        const QSize inner = widget() ? widget()->minimumSizeHint() : QSize();
        return {inner.width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override
    {
        const QSize inner = widget() ? widget()->sizeHint() : QSize();
        return {inner.width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                QScrollArea::sizeHint().height()};
    }
};

// A label as a screen reader should say it: without its accelerator and closing colon.
QString spokenName(QString label)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)|&"));
    label.remove(accelerator);
    while (label.endsWith(QStringLiteral("：")) || label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

QString saveFailureReason(const QSaveFile &file, const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("文件夹不存在");
    if (info.isDir())
        return QStringLiteral("同名的文件夹已存在");
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("没有写入权限");
    if (file.error() == QFileDevice::WriteError)
        return QStringLiteral("写入失败，磁盘可能已满");
    return QStringLiteral("无法写入");
}

} // namespace

GeneratorPage::GeneratorPage(const QString &settingsGroup, QWidget *parent)
    : QWidget(parent), settingsGroup_(settingsGroup), settings_(newStudioSettings(this))
{
    auto *optionsPane = new QWidget;
    options_ = new QFormLayout(optionsPane);
    options_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto *optionsScroll = new OptionsArea;
    optionsScroll->setObjectName(QStringLiteral("OptionsArea"));
    optionsScroll->setWidget(optionsPane);
    optionsScroll->setWidgetResizable(true);
    optionsScroll->setFrameShape(QFrame::NoFrame);
    optionsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *right = new QVBoxLayout;
    previewLayout_ = new QVBoxLayout;
    right->addLayout(previewLayout_);

    generalError_ = new QLabel;
    generalError_->setObjectName(QStringLiteral("RefusalLine"));
    generalError_->setWordWrap(true);
    showAsRefusal(generalError_);
    generalError_->hide();
    right->addWidget(generalError_);

    codeView_ = new QPlainTextEdit;
    codeView_->setObjectName(QStringLiteral("CodeView"));
    codeView_->setAccessibleName(QStringLiteral("代码"));
    codeView_->setReadOnly(true);
    // Selectable from the keyboard too, so that part of the code can be copied without a mouse.
    codeView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    codeView_->setTabChangesFocus(true);
    codeView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    right->addWidget(codeView_, 1);

    statusLine_ = new QLabel;
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setWordWrap(true);
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    right->addWidget(statusLine_);

    auto *buttons = new QHBoxLayout;
    copyCodeButton_ = new QPushButton(QStringLiteral("复制代码(&C)"));
    copyCodeButton_->setObjectName(QStringLiteral("CopyCodeButton"));
    saveButton_ = new QPushButton(QStringLiteral("保存(&S)…"));
    saveButton_->setObjectName(QStringLiteral("SaveButton"));
    copyCommandButton_ = new QPushButton(QStringLiteral("复制命令行(&L)"));
    copyCommandButton_->setObjectName(QStringLiteral("CopyCommandButton"));
    buttons->addStretch(1);
    for (QPushButton *button : {copyCodeButton_, saveButton_, copyCommandButton_}) {
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    right->addLayout(buttons);
    connect(copyCodeButton_, &QPushButton::clicked, this, &GeneratorPage::copyCode);
    connect(saveButton_, &QPushButton::clicked, this, &GeneratorPage::saveClicked);
    connect(copyCommandButton_, &QPushButton::clicked, this, &GeneratorPage::copyCommandLine);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(optionsScroll);
    layout->addLayout(right, 1);

    // A zero-timeout single shot restarted by every edit: a burst of edits, or a slider dragged
    // faster than results are made, makes one result when the events run out.
    updateTimer_ = new QTimer(this);
    updateTimer_->setSingleShot(true);
    updateTimer_->setInterval(0);
    connect(updateTimer_, &QTimer::timeout, this, &GeneratorPage::updateNow);
    // The first result, once the page is built.
    updateTimer_->start();
}

void GeneratorPage::addOption(const QString &label, QWidget *field, const QString &option)
{
    auto *name = new QLabel(label);
    // A row of fields is named by its label through its first one; each of them carries its own
    // accessible name as well.
    QWidget *buddy = field;
    if (field->focusPolicy() == Qt::NoFocus) {
        for (QWidget *child : field->findChildren<QWidget *>()) {
            if (child->focusPolicy() != Qt::NoFocus) {
                buddy = child;
                break;
            }
        }
    }
    name->setBuddy(buddy);
    // Qt names a field by a buddy label beside it only; this one sits a level up, above the
    // field's refusal line, so the name is given outright.
    if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(spokenName(label));
    options_->addRow(name, withErrorLine(field, option));
    remember(field);
    watch(field);
}

void GeneratorPage::addOptionRow(QWidget *field, const QString &option)
{
    options_->addRow(withErrorLine(field, option));
    remember(field);
    watch(field);
}

QWidget *GeneratorPage::withErrorLine(QWidget *field, const QString &option)
{
    auto *error = new QLabel;
    error->setObjectName(field->objectName() + QStringLiteral("Refusal"));
    error->setWordWrap(true);
    showAsRefusal(error);
    error->hide();
    auto *row = new QWidget;
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field);
    layout->addWidget(error);
    if (!option.isEmpty())
        optionFields_.insert(option, {field, error});
    return row;
}

void GeneratorPage::setPreview(QWidget *preview)
{
    previewLayout_->addWidget(preview);
}

void GeneratorPage::setTextField(QPlainTextEdit *text)
{
    textField_ = text;
}

void GeneratorPage::setSaveChoice(const QString &fileName, const QString &filter)
{
    saveFileName_ = fileName;
    saveFilter_ = filter;
}

QWidget *GeneratorPage::fieldOf(const QString &option) const
{
    const auto found = optionFields_.find(option);
    return found == optionFields_.end() ? nullptr : found->first;
}

void GeneratorPage::watch(QWidget *field)
{
    onEdit(field, this, [this] { scheduleUpdate(); });
}

void GeneratorPage::remember(QWidget *field)
{
    for (QWidget *leaf : valueFields(field)) {
        Q_ASSERT(!leaf->objectName().isEmpty());
        const QString key = settingsGroup_ + QLatin1Char('/') + leaf->objectName();
        if (const QVariant stored = settings_->value(key); stored.isValid())
            setValueOf(leaf, stored);
        // Kept in memory on each edit; QSettings writes the file later, not per keystroke.
        onEdit(leaf, this, [this, leaf, key] { settings_->setValue(key, valueOf(leaf)); });
    }
}

void GeneratorPage::scheduleUpdate()
{
    updateTimer_->start();
}

void GeneratorPage::updateNow()
{
    if (!made_)
        nameComboListsForScreenReaders(this);
    updateTimer_->stop();
    result_ = makeResult();
    made_ = true;
    showPageResult();
}

void GeneratorPage::showPageResult()
{
    clearRefusal();
    const bool refused = result_.refusal.has_value();
    if (refused) {
        const PageRefusal &refusal = *result_.refusal;
        const auto found = optionFields_.find(refusal.option);
        QLabel *error = found == optionFields_.end() ? generalError_ : found->second;
        error->setText(refusal.message);
        error->show();
        if (found != optionFields_.end())
            found->first->setAccessibleDescription(refusal.message);
        if (refusal.line > 0)
            markCharacter(refusal.line, refusal.column);
        codeView_->clear();
        statusLine_->clear();
    } else {
        codeView_->setPlainText(result_.code);
        statusLine_->setText(result_.warnings.join(QStringLiteral("；")));
    }
    const bool hasBytes = !refused && !result_.bytes.isEmpty();
    copyCodeButton_->setEnabled(hasBytes && !result_.code.isEmpty());
    saveButton_->setEnabled(hasBytes);
    copyCommandButton_->setEnabled(!refused && !result_.commandLine.isEmpty());
    showResult(result_);
    emit resultShown();
}

void GeneratorPage::clearRefusal()
{
    generalError_->hide();
    for (const auto &[field, error] : std::as_const(optionFields_)) {
        if (error->isVisibleTo(this) || !field->accessibleDescription().isEmpty()) {
            error->hide();
            field->setAccessibleDescription(QString());
        }
    }
    if (textField_)
        textField_->setExtraSelections({});
}

void GeneratorPage::markCharacter(int line, int column)
{
    if (!textField_)
        return;
    const QTextBlock block = textField_->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    // Columns count characters; a character beyond the BMP takes two UTF-16 units.
    const QString text = block.text();
    int position = 0;
    for (int character = 1; character < column && position < text.size(); ++character)
        position += text.at(position).isHighSurrogate() ? 2 : 1;
    if (position >= text.size())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + position);
    cursor.setPosition(block.position() + position + (text.at(position).isHighSurrogate() ? 2 : 1),
                       QTextCursor::KeepAnchor);
    QTextEdit::ExtraSelection mark;
    mark.cursor = cursor;
    mark.format.setBackground(QColor(255, 160, 160));
    mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark.format.setUnderlineColor(Qt::red);
    textField_->setExtraSelections({mark});
}

// A press acts on the options as they stand, though their result may still be waiting for the
// timer. A button pressed by its accelerator or the space bar clicks a moment later, by which
// time an edit may have brought a refusal and disabled it: such a click does nothing, rather than
// clear the clipboard or offer to save what is not there.
bool GeneratorPage::upToDate(const QPushButton *button)
{
    if (updateTimer_->isActive())
        updateNow();
    return button->isEnabled();
}

void GeneratorPage::copyCode()
{
    if (upToDate(copyCodeButton_))
        QGuiApplication::clipboard()->setText(result_.code);
}

void GeneratorPage::copyCommandLine()
{
    if (!upToDate(copyCommandButton_))
        return;
    if (const QString line = commandLineToCopy(); !line.isEmpty())
        QGuiApplication::clipboard()->setText(line);
}

void GeneratorPage::saveClicked()
{
    if (!upToDate(saveButton_))
        return;
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("保存"), saveFileName_, saveFilter_);
    if (!path.isEmpty())
        saveTo(path);
}

bool GeneratorPage::saveTo(const QString &path)
{
    // A refusal has nothing to save, and an empty file would pass for a result.
    if (result_.refusal || result_.bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(result_.bytes) == result_.bytes.size() &&
        file.commit())
        return true;
    const QString reason = saveFailureReason(file, path);
    file.cancelWriting();
    ShowError(QStringLiteral("无法保存文件“%1”：%2。").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

QString takeRememberedChoice(QComboBox *box)
{
    const QString pending = box->property(kPendingChoice).toString();
    box->setProperty(kPendingChoice, QVariant());
    return pending.isEmpty() ? box->currentText() : pending;
}

QComboBox *makeChoiceBox(const QString &objectName,
                         std::initializer_list<std::pair<QString, QString>> choices)
{
    auto *box = new QComboBox;
    box->setObjectName(objectName);
    for (const auto &[text, spelling] : choices)
        box->addItem(text, spelling);
    return box;
}

QString choiceOf(const QComboBox *box)
{
    return box->currentData().toString();
}

} // namespace zandrel::studio
