// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <utility>

class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QTimer;
class QVBoxLayout;

// The frame every page of the studio shares: options on the left, on the right the preview above
// the code, a status line and the three buttons. A page adds its option widgets, says how a
// result is made from them and shows that result in its preview; the frame does the rest.
namespace zandrel::studio {

// Why no result was made, and where: an option's long name ("size") names the field at fault;
// a line and column (from 1, in characters) mark a character of the page's text.
struct PageRefusal
{
    QString message;
    QString option = {};
    int line = 0;
    int column = 0;
};

struct PageResult
{
    QByteArray bytes;     // as saved: text in its encoding, or raw bytes
    QString code;         // as the code view shows it
    QStringList warnings; // for the status line; the result stands
    QString commandLine;  // the command that writes the same bytes, for 复制命令行
    std::optional<PageRefusal> refusal; // when set, nothing else counts
};

class GeneratorPage : public QWidget
{
    Q_OBJECT

public:
    // Options are remembered under settingsGroup, each under its field's object name.
    explicit GeneratorPage(const QString &settingsGroup, QWidget *parent = nullptr);

    // Makes the result now instead of at the next turn of the event loop.
    void updateNow();
    const PageResult &result() const { return result_; }

    // Writes the result's bytes to path whole, or not at all (nothing when there are none); a
    // failure is shown in a message box, as the user asked for the save. True when written.
    bool saveTo(const QString &path);

    // The field an option's refusal is shown under, or nullptr.
    QWidget *fieldOf(const QString &option) const;

signals:
    // After each result is shown.
    void resultShown();

protected:
    // The page's part: the result of the options as they stand, and the preview of it (also of a
    // refusal, for which the preview is usually cleared).
    virtual PageResult makeResult() = 0;
    virtual void showResult(const PageResult &result) { Q_UNUSED(result) }

    // A labelled option row. The label names the field for screen readers (as its buddy) and
    // its accelerator moves there; edits schedule an update; the value is remembered. option is
    // the long name a refusal names the field by.
    void addOption(const QString &label, QWidget *field, const QString &option);
    // A row across the options column, such as a check box that carries its own text.
    void addOptionRow(QWidget *field, const QString &option);
    // The preview, above the code.
    void setPreview(QWidget *preview);
    // The page's text box: its refusals mark the character at fault.
    void setTextField(QPlainTextEdit *text);
    // A file name and filter the save dialog starts with.
    void setSaveChoice(const QString &fileName, const QString &filter);

    // Schedules an update when field is edited, and remembers its value between runs.
    void watch(QWidget *field);
    void remember(QWidget *field);
    // An update at the next turn of the event loop; edits before then make only one.
    void scheduleUpdate();

    QFormLayout *optionsLayout() const { return options_; }
    QPushButton *copyCommandButton() const { return copyCommandButton_; }
    // The command line 复制命令行 copies; empty copies nothing.
    virtual QString commandLineToCopy() { return result_.commandLine; }

private:
    void showPageResult();
    void clearRefusal();
    void markCharacter(int line, int column);
    // Makes the result first if an edit is waiting; whether button is enabled for it.
    bool upToDate(const QPushButton *button);
    void copyCode();
    void copyCommandLine();
    void saveClicked();
    QWidget *withErrorLine(QWidget *field, const QString &option);

    QString settingsGroup_;
    QSettings *settings_;
    QFormLayout *options_;
    QVBoxLayout *previewLayout_;
    QLabel *generalError_;
    QPlainTextEdit *codeView_;
    QLabel *statusLine_;
    QPushButton *copyCodeButton_;
    QPushButton *saveButton_;
    QPushButton *copyCommandButton_;
    QTimer *updateTimer_;
    QPlainTextEdit *textField_ = nullptr;
    QHash<QString, std::pair<QWidget *, QLabel *>> optionFields_; // option → field, error line
    QString saveFileName_;
    QString saveFilter_;
    PageResult result_;
    bool made_ = false;
};

// A combo box of fixed choices: each item shows its text and carries the command line's spelling
// of the value, which the page hands to the request and the settings keep.
QComboBox *makeChoiceBox(const QString &objectName,
                         std::initializer_list<std::pair<QString, QString>> choices);
// The spelling of the chosen item.
QString choiceOf(const QComboBox *box);
// For a list filled after it was restored: the text remembered for it (once), else the current one.
QString takeRememberedChoice(QComboBox *box);

} // namespace zandrel::studio
