// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the dialog: building the find window, its keys, and turning its choices into
// one GridTextSearch for the search walk (dialogs/GridTextSearch).
#include "dialogs/GridFindDialog.h"

#include "ui/Appearance.h"
#include "ui/Application.h"
#include "ui/AsmGrid.h"
#include "ui/Controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSizeGrip>
#include <QWindow>

namespace zandrel {
namespace {

constexpr int kDropDownRows = 17;

// The match kinds in list order, each with the key its entry carries.
struct MatchKindEntry
{
    const char16_t *caption;
    const char16_t *key;
    GridMatchKind kind;
};
constexpr MatchKindEntry kMatchKinds[] = {
    {u"任意匹配", u"From any part of field", GridMatchKind::AnyPart},
    {u"完全匹配", u"Whole field", GridMatchKind::WholeField},
    {u"起始匹配", u"From beging of field", GridMatchKind::FromBeginning},
};

struct DirectionEntry
{
    const char16_t *caption;
    GridSearchDirection direction;
};
constexpr DirectionEntry kDirections[] = {
    {u"向上", GridSearchDirection::Up},
    {u"向下", GridSearchDirection::Down},
    {u"全部", GridSearchDirection::All},
};

QFont dialogFont()
{
    // Tahoma is rarely found off Windows; a plain sans face of similar size stands in, and
    // Chinese captions come from whatever CJK face the font fallback finds.
    return fontWithSubstitutes(QStringLiteral("Tahoma"), 11,
                               {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("AR PL UMing CN")});
}

// A combo box whose drop-down list shows up to 17 rows and carries a grip in its lower
// right corner by which the user can resize it while it is open.
class ResizableDropDownBox : public QComboBox
{
public:
    explicit ResizableDropDownBox(QWidget *parent) : QComboBox(parent)
    {
        setMaxVisibleItems(kDropDownRows);
    }

    void showPopup() override
    {
        QComboBox::showPopup();
        QWidget *popup = view()->window();
        if (popup == window() || !popup->layout())
            return;
        if (!grip_) {
            grip_ = new QSizeGrip(popup);
            popup->layout()->addWidget(grip_);
            popup->layout()->setAlignment(grip_, Qt::AlignRight);
        }
        // The list keeps the height the combo box gave it; the grip's row comes on top.
        popup->resize(popup->width(), popup->height() + grip_->sizeHint().height());
    }

private:
    QSizeGrip *grip_ = nullptr;
};

} // namespace

TGridFindDialog::TGridFindDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TGridFindDialog"));
    setWindowTitle(QStringLiteral("查找文本"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(dialogFont());
    // The tree-range row below y = 160 is for tree-shaped tables only, so the window ends
    // above it.
    setFixedSize(505, 160);

    Label1 = makeStaticText(this, QStringLiteral("Label1"), QStringLiteral("查找内容(&N)："),
                            {10, 18, 75, 13});
    cbText = makeControl<ResizableDropDownBox>(this, QStringLiteral("cbText"), {88, 15, 309, 21});
    cbText->setEditable(true);
    // The history is appended by Find alone, and what is typed stays as typed: no
    // completion from the history.
    cbText->setInsertPolicy(QComboBox::NoInsert);
    cbText->setCompleter(nullptr);
    // Nor does leaving the box pick the history entry that reads like the text.
    QObject::disconnect(cbText->lineEdit(), &QLineEdit::editingFinished, cbText, nullptr);
    Label1->setBuddy(cbText);

    Label2 = makeStaticText(this, QStringLiteral("Label2"), QStringLiteral("查找范围(&I)："),
                            {13, 47, 72, 13});
    cbFindIn =
        makeControl<ResizableDropDownBox>(this, QStringLiteral("cbFindIn"), {88, 44, 192, 21});
    Label2->setBuddy(cbFindIn);

    cbMatchType = makeStaticText(this, QStringLiteral("cbMatchType"),
                                 QStringLiteral("匹配方式(&H)："), {10, 76, 75, 13});
    cbMatchinType =
        makeControl<QComboBox>(this, QStringLiteral("cbMatchinType"), {88, 73, 144, 21});
    for (const MatchKindEntry &entry : kMatchKinds)
        cbMatchinType->addItem(QString::fromUtf16(entry.caption), QString::fromUtf16(entry.key));
    cbMatchType->setBuddy(cbMatchinType);

    Label3 = makeStaticText(this, QStringLiteral("Label3"), QStringLiteral("搜索方向(&R)："),
                            {10, 106, 75, 13});
    cbFindDirection =
        makeControl<QComboBox>(this, QStringLiteral("cbFindDirection"), {88, 103, 144, 21});
    for (const DirectionEntry &entry : kDirections)
        cbFindDirection->addItem(QString::fromUtf16(entry.caption),
                                 static_cast<int>(entry.direction));
    cbFindDirection->setCurrentIndex(2); // "全部"
    Label3->setBuddy(cbFindDirection);

    cbCharCase = makeControl<QCheckBox>(this, QStringLiteral("cbCharCase"), {88, 135, 144, 14},
                                        QStringLiteral("区分大小写(&C)"));
    cbUseFormat = makeControl<QCheckBox>(this, QStringLiteral("cbUseFormat"), {254, 135, 144, 14},
                                         QStringLiteral("匹配格式化结果(&O)"));
    cbUseFormat->setChecked(true);

    bFind = makeControl<QPushButton>(this, QStringLiteral("bFind"), {413, 15, 82, 23},
                                     QStringLiteral("查找(&F)"));
    bCancel = makeControl<QPushButton>(this, QStringLiteral("bCancel"), {413, 43, 82, 22},
                                       QStringLiteral("关闭(&X)"));

    Label4 = makeStaticText(this, QStringLiteral("Label4"), QStringLiteral("在树中查找："),
                            {10, 163, 75, 13});
    dbcTreeFindRange =
        makeControl<QComboBox>(this, QStringLiteral("dbcTreeFindRange"), {88, 160, 192, 21});
    dbcTreeFindRange->addItems({QStringLiteral("所有节点"), QStringLiteral("已展开节点"),
                                QStringLiteral("当前级"), QStringLiteral("当前节点")});
    Label4->setBuddy(dbcTreeFindRange);
    Label4->hide();
    dbcTreeFindRange->hide();

    setTabOrder(cbText, cbFindIn);
    setTabOrder(cbFindIn, cbMatchinType);
    setTabOrder(cbMatchinType, cbFindDirection);
    setTabOrder(cbFindDirection, cbCharCase);
    setTabOrder(cbCharCase, cbUseFormat);
    setTabOrder(cbUseFormat, bFind);
    setTabOrder(bFind, bCancel);

    connect(bFind, &QPushButton::clicked, this, guardedSlot(this, &TGridFindDialog::bFindClick));
    connect(bCancel, &QPushButton::clicked, this,
            guardedSlot(this, &TGridFindDialog::bCancelClick));
    connect(cbText, &QComboBox::editTextChanged, this,
            guardedSlot(this, &TGridFindDialog::cbTextChange));
    // Picking an entry of the history is a change even when it reads like the text.
    connect(cbText, &QComboBox::activated, this, guardedSlot(this, &TGridFindDialog::cbTextChange));
    connect(cbFindDirection, &QComboBox::currentIndexChanged, this,
            guardedSlot(this, &TGridFindDialog::cbTextChange));
    connect(cbFindIn, &QComboBox::currentIndexChanged, this,
            guardedSlot(this, &TGridFindDialog::cbFindInChange));
    // Typing and picking from the history both count as the user's change for Escape.
    connect(cbText->lineEdit(), &QLineEdit::textEdited, this, [this] { textTyped_ = true; });
    connect(cbText, &QComboBox::activated, this, [this] { textTyped_ = true; });

    // Key preview: the dialog sees the keys of every control first.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void TGridFindDialog::prepare(AsmGrid &grid)
{
    cbText->setCurrentIndex(-1);
    cbText->setEditText(QString());
    grid_ = &grid;

    {
        const QSignalBlocker blocker(cbFindIn);
        cbFindIn->clear();
        for (const int column : grid.columnsInDisplayOrder())
            if (grid.isColumnVisible(column))
                cbFindIn->addItem(grid.columnTitle(column), column);
        cbFindIn->addItem(QStringLiteral("<全部>"));
        const QString currentTitle = grid.columnTitle(grid.currentColumn());
        int chosen = cbFindIn->count() - 1;
        for (int entry = 0; entry + 1 < cbFindIn->count(); ++entry)
            if (cbFindIn->itemText(entry).compare(currentTitle, Qt::CaseInsensitive) == 0) {
                chosen = entry;
                break;
            }
        cbFindIn->setCurrentIndex(chosen);
    }

    StartFromTop = true;
    cbText->setFocus();
    textAtFocus_.clear();
    textTyped_ = false;

    // Modal over the grid's window, centred on the screen.
    create();
    if (QWidget *owner = grid.window(); owner && owner->windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    if (const QScreen *screen = grid.screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TGridFindDialog::bFindClick()
{
    const bool ctrl = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
    addToHistory(cbText->currentText());
    if (!grid_ || !grid_->hasOpenTable())
        return;

    GridTextSearch search;
    search.text = cbText->currentText();
    search.caseInsensitive = !cbCharCase->isChecked();
    search.displayText = cbUseFormat->isChecked();

    const int directionIndex = cbFindDirection->currentIndex();
    search.direction =
        directionIndex < 0
            ? GridSearchDirection::All
            : static_cast<GridSearchDirection>(cbFindDirection->itemData(directionIndex).toInt());
    if (ctrl)
        search.direction = search.direction == GridSearchDirection::Up ? GridSearchDirection::Down
                                                                       : GridSearchDirection::Up;
    if (!StartFromTop && search.direction == GridSearchDirection::All)
        search.direction = GridSearchDirection::Down;

    const QString matchKey = cbMatchinType->currentData().toString();
    for (const MatchKindEntry &entry : kMatchKinds)
        if (matchKey == QString::fromUtf16(entry.key))
            search.matchKind = entry.kind;

    const QVariant column = cbFindIn->currentData();
    search.allColumns = !column.isValid();
    if (!search.allColumns)
        search.column = column.toInt();

    if (SearchGridText(*grid_, search))
        StartFromTop = false;
}

void TGridFindDialog::bCancelClick()
{
    reject();
}

void TGridFindDialog::cbTextChange()
{
    StartFromTop = true;
}

void TGridFindDialog::cbFindInChange()
{
    if (cbFindIn->currentIndex() < 0 && cbFindIn->count() > 0) {
        cbFindIn->setCurrentIndex(cbFindIn->count() - 1); // "<全部>"
        return; // the change of choice runs this handler again
    }
    StartFromTop = true;
}

bool TGridFindDialog::FormKeyDown(const QKeyEvent &event)
{
    // An open drop-down list takes Enter and Escape itself, to close.
    if (QApplication::activePopupWidget())
        return false;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (qobject_cast<QPushButton *>(focusWidget()))
            return false; // a focused button is pressed by Enter
        bFindClick();
        textTyped_ = false;
        return true;
    case Qt::Key_Escape:
        if (event.modifiers() & ~Qt::KeypadModifier)
            return false;
        if (focusInText() && textTyped_) {
            cbText->setEditText(textAtFocus_);
            cbText->lineEdit()->selectAll();
            textTyped_ = false;
            return true;
        }
        bCancel->click();
        return true;
    default:
        return false;
    }
}

bool TGridFindDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || control->window() != this)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        bool used = false;
        guarded([&] { used = FormKeyDown(*static_cast<QKeyEvent *>(event)); });
        if (used) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        // Coming back from its own list or from another window is not a new visit.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (control == cbText && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason) {
            textAtFocus_ = cbText->currentText();
            textTyped_ = false;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TGridFindDialog::closeEvent(QCloseEvent *event)
{
    // The frame's close box does what "关闭(&X)" does.
    if (isVisible())
        guarded([this] { bCancelClick(); });
    event->setAccepted(!isVisible());
}

void TGridFindDialog::addToHistory(const QString &text)
{
    for (int entry = 0; entry < cbText->count(); ++entry)
        if (cbText->itemText(entry).compare(text, Qt::CaseInsensitive) == 0)
            return;
    // The first entry added becomes the box's current one; the text must stay as typed and
    // adding to the list is no change of it.
    const QSignalBlocker blocker(cbText);
    cbText->addItem(text);
    if (cbText->currentText() != text)
        cbText->setEditText(text);
}

bool TGridFindDialog::focusInText() const
{
    const QWidget *focus = focusWidget();
    return focus && (focus == cbText || cbText->isAncestorOf(focus));
}

namespace {

QPointer<TGridFindDialog> findDialog;

} // namespace

void ShowGridFindDialog(AsmGrid &grid)
{
    if (!findDialog) {
        findDialog = new TGridFindDialog;
        // Owned by the application: it goes when the event loop has ended.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                         [] { delete findDialog.data(); });
    }
    // One find dialog at a time: a second way in while it is open (a button's delayed click
    // after Alt+F, say) brings it forward instead of preparing it anew under the user.
    if (findDialog->isVisible()) {
        findDialog->raise();
        findDialog->activateWindow();
        return;
    }
    findDialog->prepare(grid);
    findDialog->exec();
}

void installGridFindDialog()
{
    GridFindDialogEntry() = &ShowGridFindDialog;
}

} // namespace zandrel
