// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The studio under a few hundred random user actions across its six pages: odd and huge text
// typed and pasted, choices, numbers and checks changed, the page buttons pressed and their
// dialogs answered inside the test's own folder. After every step each page must show either
// code or why there is none, and the code must be that of the options as they stand; at the end
// a second window must remember every page as the user left it. The seed is printed;
// ZANDREL_RANDOM_SEED=n repeats a run and ZANDREL_RANDOM_ACTIONS=n sets its length.

#include "RandomUseSupport.h"
#include "WidgetTestSupport.h"

#include "studio/DecodePage.h"
#include "studio/GeneratorPage.h"
#include "studio/GlyphTablePage.h"
#include "studio/PicturePage.h"
#include "studio/StudioWindow.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace zandrel::studio {

class StudioRandomUseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesHoldUpUnderRandomUse();

private:
    QTemporaryDir dir_;
};

namespace {

#ifdef ZANDREL_SANITIZED
constexpr int kDefaultActions = 250; // the sanitizers slow every event down several times
#else
constexpr int kDefaultActions = 600;
#endif

// What the dialogs are answered with: files in the test's folder only.
struct Answers
{
    QString picture;
    QString notPicture;
    QString binary;
    QString notFont;
    QString saveFolder;
};

// What a page shows, read from its widgets.
struct Shown
{
    QString code;
    QStringList refusals; // the texts of the visible refusal lines
    QString status;
    bool copyCode = false;
    bool save = false;
    bool copyCommand = false;
};

Shown shownOn(const GeneratorPage &page)
{
    Shown shown;
    shown.code = page.findChild<QPlainTextEdit *>(QStringLiteral("CodeView"))->toPlainText();
    for (const QLabel *label : page.findChildren<QLabel *>()) {
        const QString name = label->objectName();
        if ((name == QLatin1String("RefusalLine") || name.endsWith(QLatin1String("Refusal"))) &&
            label->isVisibleTo(&page))
            shown.refusals += label->text();
    }
    shown.status = page.findChild<QLabel *>(QStringLiteral("StatusLine"))->text();
    shown.copyCode = page.findChild<QPushButton *>(QStringLiteral("CopyCodeButton"))->isEnabled();
    shown.save = page.findChild<QPushButton *>(QStringLiteral("SaveButton"))->isEnabled();
    shown.copyCommand =
        page.findChild<QPushButton *>(QStringLiteral("CopyCommandButton"))->isEnabled();
    return shown;
}

// Each option field of the page by name, with its value (a spin box's text can be half-typed).
QStringList fieldsOf(const GeneratorPage &page)
{
    QStringList fields;
    for (const QWidget *field : page.findChildren<QWidget *>()) {
        const QString name = field->objectName();
        QString value;
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            name == QLatin1String("CodeView"))
            continue;
        if (auto *edit = qobject_cast<const QLineEdit *>(field))
            value = edit->text();
        else if (auto *text = qobject_cast<const QPlainTextEdit *>(field))
            value = text->toPlainText();
        else if (auto *box = qobject_cast<const QComboBox *>(field))
            value = box->currentText();
        else if (auto *spin = qobject_cast<const QSpinBox *>(field))
            value = QString::number(spin->value());
        else if (auto *doubleSpin = qobject_cast<const QDoubleSpinBox *>(field))
            value = QString::number(doubleSpin->value());
        else if (auto *check = qobject_cast<const QCheckBox *>(field))
            value = check->isChecked() ? QStringLiteral("✓") : QStringLiteral("✗");
        else if (auto *slider = qobject_cast<const QAbstractSlider *>(field))
            value = QString::number(slider->value());
        else
            continue;
        fields += name + QLatin1Char('=') + value;
    }
    return fields;
}

// What is wrong with what the page shows, or nothing: a refusal stands alone, with no code and
// no button to copy or save; otherwise there is code that can be copied and saved, or a status
// line that says why there is none yet.
QString faultIn(const GeneratorPage &page)
{
    const Shown shown = shownOn(page);
    const std::optional<PageRefusal> &refusal = page.result().refusal;
    if (refusal) {
        if (shown.refusals != QStringList{refusal->message} || refusal->message.isEmpty())
            return QStringLiteral("refusal “%1” shown as [%2]")
                .arg(refusal->message, shown.refusals.join(QStringLiteral(" | ")));
        if (!shown.code.isEmpty())
            return QStringLiteral("code shown beside the refusal “%1”").arg(refusal->message);
        if (shown.copyCode || shown.save || shown.copyCommand)
            return QStringLiteral("a button enabled beside the refusal “%1”").arg(refusal->message);
        return {};
    }
    if (!shown.refusals.isEmpty())
        return QStringLiteral("refusal [%1] shown with no refusal made")
            .arg(shown.refusals.join(QStringLiteral(" | ")));
    if (shown.code.isEmpty()) {
        if (shown.status.isEmpty())
            return QStringLiteral("neither code, nor a refusal, nor a status line");
        if (shown.copyCode || shown.save)
            return QStringLiteral("copy or save enabled with no code");
        return {};
    }
    if (!shown.copyCode || !shown.save)
        return QStringLiteral("code shown that cannot be copied or saved");
    return {};
}

// A widget by its name, or by its class within the nearest named one (a spin box's edit).
QString described(const QWidget *widget)
{
    const auto named = [](const QWidget *widget) {
        return !widget->objectName().isEmpty() &&
               !widget->objectName().startsWith(QLatin1String("qt_"));
    };
    if (named(widget))
        return widget->objectName();
    const QWidget *parent = widget->parentWidget();
    while (parent && !named(parent))
        parent = parent->parentWidget();
    return (parent ? parent->objectName() + QLatin1Char('/') : QString()) +
           QString::fromLatin1(widget->metaObject()->className());
}

QString shortened(const QString &text)
{
    QString shown = text.left(40);
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = QChar(0x2423);
    return text.size() > 40 ? shown + QStringLiteral("…(%1)").arg(text.size()) : shown;
}

GeneratorPage *pageOf(QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto *page = qobject_cast<GeneratorPage *>(widget))
            return page;
    return nullptr;
}

class StudioUser
{
public:
    StudioUser(StudioWindow &window, quint32 seed, Answers answers)
        : window_(window), random_(seed), answers_(std::move(answers)),
          guard_([this](QWidget *modal) { return useModal(modal); })
    {
        pages_ = window.pages();
        for (int i = 0; i < pages_->count(); ++i) {
            GeneratorPage *page = window.page(i);
            Q_ASSERT(page);
            QObject::connect(page->findChild<QPushButton *>(QStringLiteral("CopyCodeButton")),
                             &QPushButton::clicked, [this, page] { codeCopiedOn_ = page; });
            QObject::connect(page->findChild<QPushButton *>(QStringLiteral("CopyCommandButton")),
                             &QPushButton::clicked, [this, page] { commandCopiedOn_ = page; });
            QObject::connect(page, &GeneratorPage::resultShown, [this] { ++resultsShown_; });
        }
        picturePage_ = qobject_cast<PicturePage *>(window.page(1));
        library_ = window.findChild<QCheckBox *>(QStringLiteral("GlyphLibraryBox"));
        decodePage_ = qobject_cast<DecodePage *>(window.page(5));
    }

    void stop() { guard_.stop(); }
    GeneratorPage *page(int index) const
    {
        return window_.page(index);
    }

    std::set<int> pagesVisited;
    int refusalsSeen = 0;
    int dialogsAnswered = 0;
    int filesSaved = 0;

    // One action on the current page, and what it was.
    QString act()
    {
        codeCopiedOn_ = nullptr;
        commandCopiedOn_ = nullptr;
        clipboardBefore_ = QGuiApplication::clipboard()->text();
        pendingFile_.reset();
        unexpected_.clear();
        // A whole library lasts one action, and is asked for with small glyphs only: with large
        // ones each edit would make some hundred megabytes of code.
        if (library_->isChecked())
            library_->setChecked(false);
        GeneratorPage *page = window_.page(pages_->currentIndex());
        QString action;
        switch (pick(24)) {
        case 0:
        case 1:
            action = switchPage();
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            action = typeInto(anyOf<QWidget>(page, isTextField));
            break;
        case 6:
            action = pasteInto(anyOf<QWidget>(page, isTextField));
            break;
        case 7:
        case 8:
        case 9:
            action = changeChoice(anyOf<QComboBox>(page));
            break;
        case 10:
        case 11:
            action = step(anyOf<QAbstractSpinBox>(page));
            break;
        case 12:
            action = step(anyOf<QAbstractSlider>(page, isSlider));
            break;
        case 13:
            action = toggle(anyOf<QCheckBox>(page));
            break;
        case 14:
        case 15:
        case 16:
            action = press(anyOf<QPushButton>(page));
            break;
        case 17:
            action = clickSomewhere(page);
            break;
        case 18:
        case 19:
        case 20:
        case 21:
            // Else nearly every page would soon refuse for good, and its code go untried.
            action = mend(page);
            break;
        default:
            action = pressKey();
        }
        testing::closePopups();
        // The coalescing timer, and whatever the action posted, until a turn makes no result.
        for (int turn = 0, made = resultsShown_; turn < 50; ++turn) {
            QCoreApplication::processEvents();
            if (turn >= 2 && resultsShown_ == made)
                break;
            made = resultsShown_;
        }
        pagesVisited.insert(pages_->currentIndex());
        return action;
    }

    // What went wrong in the last action, or nothing.
    QString fault()
    {
        if (!unexpected_.isEmpty())
            return unexpected_;
        if (guard_.strayModals > 0)
            return QStringLiteral("a modal window opened inside another");
        for (int i = 0; i < pages_->count(); ++i) {
            if (const QString fault = faultIn(*page(i)); !fault.isEmpty())
                return QStringLiteral("%1: %2").arg(pages_->tabText(i), fault);
            if (page(i)->result().refusal)
                ++refusalsSeen;
        }
        // The shown result is that of the options as they stand: making it again changes nothing.
        GeneratorPage *current = page(pages_->currentIndex());
        const Shown before = shownOn(*current);
        current->updateNow();
        const Shown after = shownOn(*current);
        if (after.code != before.code || after.refusals != before.refusals)
            return QStringLiteral("%1: the result shown was not that of the options: code “%2” "
                                  "[%3] became “%4” [%5]")
                .arg(pages_->tabText(pages_->currentIndex()), shortened(before.code),
                     before.refusals.join(QLatin1Char('|')), shortened(after.code),
                     after.refusals.join(QLatin1Char('|')));
        // A copy from a page with nothing to copy leaves the clipboard as it was. (Two copies in
        // one step, one of them a late click, would leave only the second.)
        const QString clipboard = QGuiApplication::clipboard()->text();
        if (codeCopiedOn_ && !commandCopiedOn_) {
            const QString code =
                codeCopiedOn_->findChild<QPlainTextEdit *>(QStringLiteral("CodeView"))
                    ->toPlainText();
            // With the line ends chosen, which the view does not show.
            QString copied = clipboard;
            copied.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (code.isEmpty() ? clipboard != clipboardBefore_ : copied != code)
                return QStringLiteral("复制代码 copied “%1”, not the code shown")
                    .arg(shortened(clipboard));
        }
        if (commandCopiedOn_ && !codeCopiedOn_ && commandCopiedOn_ != picturePage_) {
            const QString command = commandCopiedOn_->result().commandLine;
            if (clipboard != (command.isEmpty() ? clipboardBefore_ : command))
                return QStringLiteral("复制命令行 copied “%1”, not the page's command")
                    .arg(shortened(clipboard));
        }
        if (pendingFile_) {
            QFile file(pendingFile_->first);
            if (!file.open(QIODevice::ReadOnly))
                return QStringLiteral("nothing saved in %1").arg(pendingFile_->first);
            if (file.readAll() != pendingFile_->second)
                return QStringLiteral("%1 does not hold what was saved").arg(pendingFile_->first);
            ++filesSaved;
        }
        return {};
    }

private:
    int pick(int bound) { return bound > 0 ? int(random_.bounded(bound)) : 0; }

    static bool isTextField(const QWidget *widget)
    {
        if (auto *edit = qobject_cast<const QLineEdit *>(widget))
            return !edit->isReadOnly();
        if (auto *text = qobject_cast<const QPlainTextEdit *>(widget))
            return !text->isReadOnly();
        return false;
    }

    static bool isSlider(const QWidget *widget)
    {
        // A scroll bar is a slider too, but one the pages do not read.
        return widget->inherits("QSlider");
    }

    // A visible, enabled T on the page for which accept holds, at random, or nullptr.
    template <typename T> T *anyOf(QWidget *root, bool (*accept)(const QWidget *) = nullptr)
    {
        QList<T *> found;
        for (T *widget : root->findChildren<T *>())
            if (widget->isVisible() && widget->isEnabled() && (!accept || accept(widget)))
                found << widget;
        return found.isEmpty() ? nullptr : found[pick(int(found.size()))];
    }

    QString oddText()
    {
        static const QStringList pieces = {
            QString(),
            QStringLiteral(" "),
            QStringLiteral("温度"),
            QStringLiteral("测试字模"),
            QStringLiteral("𠀀"),
            QStringLiteral("😀"),
            QStringLiteral("A"),
            QStringLiteral("a"),
            QStringLiteral("0"),
            QStringLiteral("1"),
            QStringLiteral("12"),
            QStringLiteral("-1"),
            QStringLiteral("255"),
            QStringLiteral("256"),
            QStringLiteral("1ms"),
            QStringLiteral("50ms"),
            QStringLiteral("100us"),
            QStringLiteral("2s"),
            QStringLiteral("0.5"),
            QStringLiteral("11.0592"),
            QStringLiteral("9600"),
            QStringLiteral("115200"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("1e308"),
            QStringLiteral("-0"),
            QStringLiteral("0x3F"),
            QStringLiteral("3FH"),
            QStringLiteral("DB 3FH,06H"),
            QStringLiteral("0b1010"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("\t"),
            QString(QChar(1)),
            QString(QChar(0x1B)),
            QString(QChar(0x7F)),
            QStringLiteral("\u200B"),
            QStringLiteral("\uFFFD"),
            QStringLiteral("é"),
            QStringLiteral("ｱ"),
            QStringLiteral("'"),
            QStringLiteral("\""),
            QStringLiteral("\\"),
            QStringLiteral("%"),
            QStringLiteral("$"),
            QStringLiteral("`"),
            QStringLiteral(";"),
            QStringLiteral(" -o x"),
            QStringLiteral("--help"),
            QStringLiteral("{"),
            QStringLiteral("/"),
            QStringLiteral(","),
            QStringLiteral("A,B,C,D,E,F,G,DP"),
            QStringLiteral("\n"),
        };
        QString text;
        for (int n = 1 + pick(4); n > 0; --n)
            text += pieces[pick(int(pieces.size()))];
        return text;
    }

    QString hugeText()
    {
        static const QStringList units = {QStringLiteral("9"),    QStringLiteral("测"),
                                          QStringLiteral("\n测"), QStringLiteral("0x3F,"),
                                          QStringLiteral("😀"),    QStringLiteral("A")};
        return units[pick(int(units.size()))].repeated(300 + pick(3000));
    }

    static QWidget *focusTarget(QWidget *window)
    {
        if (QWidget *focused = QApplication::focusWidget(); focused && focused->window() == window)
            return focused;
        return window->focusWidget() ? window->focusWidget() : window;
    }

    QString switchPage()
    {
        const int index = pick(pages_->count());
        if (pick(3) == 0) {
            pages_->currentWidget()->setFocus();
            QTest::keyClick(focusTarget(&window_), Qt::Key_Tab, Qt::ControlModifier);
            return QStringLiteral("Ctrl+Tab");
        }
        QTest::mouseClick(pages_->tabBar(), Qt::LeftButton, {},
                          pages_->tabBar()->tabRect(index).center());
        return QStringLiteral("tab %1").arg(pages_->tabText(index));
    }

    QString typeInto(QWidget *edit)
    {
        if (!edit)
            return pressKey();
        edit->setFocus();
        QString emptied;
        if (pick(3) == 0) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Delete);
            emptied = QStringLiteral("emptied and ");
        }
        const QString text = oddText();
        typeText(edit, text);
        return QStringLiteral("%1typed “%2” into %3")
            .arg(emptied, shortened(text), described(edit));
    }

    // A character at a time, as an input method gives them (QTest::keyClicks takes Latin-1 only).
    static void typeText(QWidget *edit, const QString &text)
    {
        for (const char32_t c : text.toUcs4()) {
            if (c == U'\n')
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                    Qt::NoModifier);
        }
    }

    QString pasteInto(QWidget *edit)
    {
        if (!edit)
            return pressKey();
        const QString text = pick(3) == 0 ? hugeText() : oddText();
        QGuiApplication::clipboard()->setText(text);
        clipboardBefore_ = text;
        edit->setFocus();
        if (pick(2) == 0)
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("pasted “%1” into %2").arg(shortened(text), described(edit));
    }

    // A value that the field likely takes, by its name; a choice goes back to its first.
    QString sensibleValue(const QString &field)
    {
        static const std::pair<const char *, QStringList> values[] = {
            {"NameEdit", {QString(), QStringLiteral("table"), QStringLiteral("_t2")}},
            {"CrystalBox", {QStringLiteral("12"), QStringLiteral("11.0592"), QStringLiteral("24")}},
            {"BaudBox", {QStringLiteral("9600"), QStringLiteral("4800")}},
            {"IntervalEdit", {QStringLiteral("10ms"), QStringLiteral("500us")}},
            {"CharsEdit", {QStringLiteral("0123456789"), QStringLiteral("-HELP")}},
            {"GlyphText", {QStringLiteral("温度"), QStringLiteral("设置\nAB")}},
            {"DecodeText", {QStringLiteral("0x3F,0x06,0x5B"), QStringLiteral("DB 3FH,06H")}},
            {"FontFileEdit", {QString()}},
            {"Width", {QStringLiteral("16"), QStringLiteral("8")}},
            {"Height", {QStringLiteral("16"), QStringLiteral("8")}},
            {"Spin", {QStringLiteral("16"), QStringLiteral("12"), QStringLiteral("1")}},
        };
        for (const auto &[ending, choices] : values)
            if (field.endsWith(QLatin1String(ending)))
                return choices[pick(int(choices.size()))];
        return QStringLiteral("16");
    }

    // Puts a sensible value into the field of the current page's refusal.
    QString mend(GeneratorPage *page)
    {
        const std::optional<PageRefusal> &refusal = page->result().refusal;
        QWidget *field = refusal ? page->fieldOf(refusal->option) : nullptr;
        if (!field || !field->isEnabled())
            return pressKey();
        // A row of fields is mended in one of them.
        if (!isTextField(field) && !qobject_cast<QComboBox *>(field) &&
            !qobject_cast<QAbstractSpinBox *>(field)) {
            const QList<QWidget *> parts = field->findChildren<QWidget *>();
            QList<QWidget *> editable;
            for (QWidget *part : parts)
                if (qobject_cast<QComboBox *>(part) || qobject_cast<QAbstractSpinBox *>(part))
                    editable << part;
            if (editable.isEmpty())
                return pressKey();
            field = editable[pick(int(editable.size()))];
        }
        auto *box = qobject_cast<QComboBox *>(field);
        if (box && !box->isEditable()) {
            box->setFocus();
            QTest::keyClick(box, pick(2) ? Qt::Key_Home : Qt::Key_Down);
            return QStringLiteral("mended %1 → “%2”").arg(described(box), box->currentText());
        }
        const QString value = sensibleValue(field->objectName());
        QWidget *edit = box ? static_cast<QWidget *>(box->lineEdit()) : field;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, value);
        return QStringLiteral("mended %1 to “%2”").arg(described(field), value);
    }

    QString changeChoice(QComboBox *box)
    {
        if (!box)
            return pressKey();
        if (pick(4) == 0) {
            // Opened, and closed again by the popup's guard.
            QTest::mouseClick(box, Qt::LeftButton);
            return QStringLiteral("opened %1").arg(described(box));
        }
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                                       Qt::Key_Home, Qt::Key_End,  Qt::Key_PageDown};
        const Qt::Key key = keys[pick(std::size(keys))];
        box->setFocus();
        QTest::keyClick(box, key);
        return QStringLiteral("key %1 in %2 → “%3”")
            .arg(int(key), 0, 16)
            .arg(described(box), shortened(box->currentText()));
    }

    QString step(QWidget *field)
    {
        if (!field)
            return pressKey();
        if (qobject_cast<QAbstractSlider *>(field) && pick(3) == 0) {
            QTest::mouseClick(field, Qt::LeftButton, {},
                              QPoint(pick(field->width()), field->height() / 2));
            return QStringLiteral("clicked %1").arg(described(field));
        }
        static const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                       Qt::Key_Home, Qt::Key_End,  Qt::Key_Left,   Qt::Key_Right};
        const Qt::Key key = keys[pick(std::size(keys))];
        field->setFocus();
        for (int n = 1 + pick(3); n > 0; --n)
            QTest::keyClick(field, key);
        return QStringLiteral("key %1 in %2").arg(int(key), 0, 16).arg(described(field));
    }

    bool smallGlyphs() const
    {
        for (const char *name : {"GlyphSizeSpin", "GlyphCellWidth", "GlyphCellHeight",
                                 "GlyphAsciiCellWidth", "GlyphAsciiCellHeight"})
            if (window_.findChild<QSpinBox *>(QString::fromLatin1(name))->value() > 32)
                return false;
        return true;
    }

    QString toggle(QCheckBox *box)
    {
        if (!box || (box == library_ && !smallGlyphs()))
            return pressKey();
        if (pick(2) == 0) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        } else {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
        return QStringLiteral("toggled %1").arg(described(box));
    }

    QString press(QPushButton *button)
    {
        if (!button)
            return pressKey();
        if (pick(3) == 0) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        return QStringLiteral("pressed %1").arg(described(button));
    }

    QString clickSomewhere(QWidget *root)
    {
        QList<QWidget *> widgets{root};
        for (QWidget *child : root->findChildren<QWidget *>())
            if (child->isVisible() && !child->rect().isEmpty())
                widgets << child;
        QWidget *target = widgets[pick(int(widgets.size()))];
        const QPoint at(pick(target->width()), pick(target->height()));
        switch (pick(4)) {
        case 0:
            QTest::mouseClick(target, Qt::RightButton, {}, at);
            break;
        case 1:
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            break;
        default:
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
        return QStringLiteral("clicked %1 at %2,%3").arg(described(target)).arg(at.x()).arg(at.y());
    }

    QString pressKey()
    {
        static const Qt::Key keys[] = {
            Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Left,  Qt::Key_Right,     Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,   Qt::Key_Tab,       Qt::Key_Backtab,
            Qt::Key_Return,   Qt::Key_Escape, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_A,        Qt::Key_B,      Qt::Key_C,     Qt::Key_D,         Qt::Key_H,
            Qt::Key_I,        Qt::Key_K,      Qt::Key_L,     Qt::Key_M,         Qt::Key_N,
            Qt::Key_O,        Qt::Key_P,      Qt::Key_R,     Qt::Key_S,         Qt::Key_T,
            Qt::Key_U,        Qt::Key_V,      Qt::Key_W,     Qt::Key_X,         Qt::Key_Y,
            Qt::Key_Z,        Qt::Key_0,      Qt::Key_1,     Qt::Key_9,
        };
        // Alt reaches the labels' and buttons' accelerators.
        static const Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier,  Qt::NoModifier,    Qt::AltModifier,
            Qt::AltModifier, Qt::ShiftModifier, Qt::ControlModifier,
        };
        QWidget *target = focusTarget(&window_);
        const Qt::Key key = keys[pick(std::size(keys))];
        const Qt::KeyboardModifiers modifier = modifiers[pick(std::size(modifiers))];
        QTest::keyClick(target, key, modifier);
        return QStringLiteral("key %1 (modifiers %2) in %3")
            .arg(int(key), 0, 16)
            .arg(modifier.toInt(), 0, 16)
            .arg(described(target));
    }

    QString newSavePath(const QString &suffix)
    {
        return QDir(answers_.saveFolder)
            .filePath(QStringLiteral("saved-%1.%2").arg(++saves_).arg(suffix));
    }

    // Answers a dialog that one of the pages' buttons opened, inside its modal loop; anything
    // else is a fault. Files are picked and written only in the test's folder.
    bool useModal(QWidget *modal)
    {
        GeneratorPage *page = pageOf(modal->parentWidget());
        const QString title = modal->windowTitle();
        ++dialogsAnswered;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            // A pasted picture has no file for the command line to name: saving it is offered.
            if (page == picturePage_ && title == QStringLiteral("复制命令行") &&
                picturePage_->pictureFile().isEmpty() && !picturePage_->pictureBytes().isEmpty()) {
                QTest::mouseClick(box->button(pick(2) ? QMessageBox::Yes : QMessageBox::No),
                                  Qt::LeftButton);
                return true;
            }
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && page) {
            QString chosen;
            if (title == QStringLiteral("保存")) {
                // Offered only when there is something to save.
                if (!page->findChild<QPushButton *>(QStringLiteral("SaveButton"))->isEnabled() ||
                    page->result().refusal || page->result().bytes.isEmpty()) {
                    unexpected_ = QStringLiteral("保存 opened with nothing to save");
                    return true;
                }
                if (pick(2) == 0) {
                    chosen = newSavePath(QStringLiteral("out"));
                    pendingFile_.emplace(chosen, page->result().bytes);
                }
            } else if (title == QStringLiteral("保存图片") && page == picturePage_) {
                if (pick(2) == 0) {
                    chosen = newSavePath(QStringLiteral("png"));
                    pendingFile_.emplace(chosen, picturePage_->pictureBytes());
                }
            } else if (title == QStringLiteral("打开图片") && page == picturePage_) {
                const QString choices[] = {answers_.picture, answers_.notPicture, QString()};
                chosen = choices[pick(3)];
            } else if (title == QStringLiteral("打开bin文件") && page == decodePage_) {
                chosen = pick(2) ? answers_.binary : QString();
            } else if (title == QStringLiteral("选择字体文件") &&
                       page->objectName() == QLatin1String("GlyphTablePage")) {
                chosen = pick(2) ? answers_.notFont : QString();
            } else {
                unexpected_ = QStringLiteral("a file dialog “%1” opened").arg(title);
                return false;
            }
            if (chosen.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(chosen);
                // As the dialog's own button does: QFileDialog checks the name first.
                static_cast<QDialog *>(dialog)->accept();
            }
            return true;
        }
        unexpected_ = QStringLiteral("%1 “%2” opened").arg(described(modal), title);
        return false;
    }

    StudioWindow &window_;
    QRandomGenerator random_;
    Answers answers_;
    testing::ModalGuard guard_;
    QTabWidget *pages_ = nullptr;
    PicturePage *picturePage_ = nullptr;
    DecodePage *decodePage_ = nullptr;
    QCheckBox *library_ = nullptr;
    QPointer<GeneratorPage> codeCopiedOn_;
    QPointer<GeneratorPage> commandCopiedOn_;
    QString clipboardBefore_;
    std::optional<std::pair<QString, QByteArray>> pendingFile_; // a file written, and its bytes
    QString unexpected_;
    int saves_ = 0;
    int resultsShown_ = 0;
};

} // namespace

void StudioRandomUseTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    // Every setting the run leaves, the studio's and the file dialogs', stays in the folder.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("saved")));
}

void StudioRandomUseTest::pagesHoldUpUnderRandomUse()
{
    const std::optional<testing::RandomRun> run = testing::randomRun(kDefaultActions);
    QVERIFY2(run, "ZANDREL_RANDOM_SEED is not a whole number from 0 to 4294967295");
    const auto [seed, actions] = *run;

    // A run starts from no settings, so that a seed replays the same.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.filePath(QStringLiteral("settings-%1").arg(seed)));
    Answers answers{dir_.filePath(QStringLiteral("picture.png")),
                    dir_.filePath(QStringLiteral("not-a-picture.png")),
                    dir_.filePath(QStringLiteral("glyphs.bin")),
                    dir_.filePath(QStringLiteral("not-a-font.ttf")),
                    dir_.filePath(QStringLiteral("saved"))};
    QImage picture(40, 24, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int i = 0; i < 24; ++i)
        picture.setPixelColor(i + 8, i, QColor(i * 10, i * 10, i * 10));
    QVERIFY(picture.save(answers.picture));
    for (const auto &[path, bytes] :
         {std::pair{answers.notPicture, QByteArray("not a picture")},
          std::pair{answers.binary, QByteArray::fromHex("3F065B4F666D7D077F6F")},
          std::pair{answers.notFont, QByteArray("not a font")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    testing::MessageBoxRecorder boxes;
    auto owner = std::make_unique<StudioWindow>();
    const QPointer<StudioWindow> window = owner.get();
    QVERIFY(testing::showActive(*window));
    QTRY_VERIFY_WITH_TIMEOUT(window->glyphPage()->fontsAreListed(), 60000); // the installed fonts

    StudioUser user(*window, seed, answers);
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < actions; ++n) {
        const QString action = user.act();
        QString fault;
        if (!window || !window->isVisible())
            fault = QStringLiteral("the window went");
        else if (!boxes.boxes.empty())
            fault = QStringLiteral("a message box: %1").arg(boxes.boxes.front().text);
        else
            fault = user.fault();
        QVERIFY2(
            fault.isEmpty(),
            qPrintable(
                QStringLiteral("step %1 of seed %2 (%3): %4").arg(n).arg(seed).arg(action, fault)));
    }
    user.stop();
    qInfo("%lld ms; %zu pages visited, %d refusals seen, %d dialogs answered, %d files saved",
          clock.elapsed(), user.pagesVisited.size(), user.refusalsSeen, user.dialogsAnswered,
          user.filesSaved);
    QVERIFY(!QApplication::activeModalWidget());

    // Every page as the user left it comes back in a new window, read from the settings file
    // (a copy, so that no settings cached in memory stand in for it); but for a pasted picture,
    // which leaves none, and a bin file to decode, which is not remembered.
    std::vector<std::optional<std::pair<Shown, QStringList>>> left;
    for (int i = 0; i < window->pages()->count(); ++i) {
        GeneratorPage *page = user.page(i);
        const auto *picture = qobject_cast<PicturePage *>(page);
        const auto *decode = qobject_cast<DecodePage *>(page);
        if ((picture && !picture->pictureBytes().isEmpty()) ||
            (decode && !decode->binaryFile().isEmpty()))
            left.emplace_back();
        else
            left.emplace_back(std::pair{shownOn(*page), fieldsOf(*page)});
    }
    const int currentPage = window->pages()->currentIndex();
    const bool pasted = !qobject_cast<PicturePage *>(window->page(1))->pictureBytes().isEmpty();
    window->close();
    owner.reset();
    const QDir written(dir_.filePath(QStringLiteral("settings-%1").arg(seed)));
    const QString copy = dir_.filePath(QStringLiteral("settings-%1-read").arg(seed));
    for (const QString &file : written.entryList({QStringLiteral("*")}, QDir::Files)) {
        QVERIFY(QDir().mkpath(copy));
        QVERIFY(QFile::copy(written.filePath(file), QDir(copy).filePath(file)));
    }
    for (const QString &folder : written.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QVERIFY(QDir().mkpath(QDir(copy).filePath(folder)));
        for (const QString &file : QDir(written.filePath(folder)).entryList(QDir::Files))
            QVERIFY(QFile::copy(written.filePath(folder + QLatin1Char('/') + file),
                                QDir(copy).filePath(folder + QLatin1Char('/') + file)));
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, copy);

    StudioWindow again;
    QVERIFY(testing::showActive(again));
    QTRY_VERIFY_WITH_TIMEOUT(again.glyphPage()->fontsAreListed(), 60000); // listed in the background
    QCOMPARE(again.pages()->currentIndex(), currentPage);
    if (pasted)
        QVERIFY(qobject_cast<PicturePage *>(again.page(1))->pictureFile().isEmpty());
    for (int i = 0; i < again.pages()->count(); ++i) {
        if (!left[std::size_t(i)])
            continue;
        GeneratorPage *page = again.page(i);
        page->updateNow();
        const auto &[before, fields] = *left[std::size_t(i)];
        const QStringList fieldsBack = fieldsOf(*page);
        for (qsizetype f = 0; f < fields.size(); ++f)
            QVERIFY2(fieldsBack.value(f) == fields[f],
                     qPrintable(QStringLiteral("seed %1, %2: %3 came back as %4")
                                    .arg(seed)
                                    .arg(again.pages()->tabText(i), shortened(fields[f]),
                                         shortened(fieldsBack.value(f)))));
        const Shown back = shownOn(*page);
        QVERIFY2(before.code == back.code && before.refusals == back.refusals,
                 qPrintable(QStringLiteral("seed %1, %2: “%3” [%4] came back as “%5” [%6]")
                                .arg(seed)
                                .arg(again.pages()->tabText(i), shortened(before.code),
                                     before.refusals.join(QLatin1Char('|')), shortened(back.code),
                                     back.refusals.join(QLatin1Char('|')))));
    }
}

} // namespace zandrel::studio

ZANDREL_TEST_MAIN(zandrel::studio::StudioRandomUseTest)
#include "StudioRandomUseTest.moc"
