#include "gui/launch/LaunchDialogs.h"

#include "core/launch/LaunchEnvironment.h"
#include "core/launch/LaunchPlan.h"
#include "core/text/Error.h"
#include "gui/base/Text.h"
#include "gui/profiles/Named.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesk {
namespace {

QLineEdit* ReadOnlyLine(const char* name, const std::string& text, QWidget* parent)
{
    auto* line = Named(new QLineEdit(PathToQ(text), parent), name);
    line->setReadOnly(true);
    line->setCursorPosition(0);
    return line;
}

QPlainTextEdit* ReadOnlyMemo(const char* name, QWidget* parent)
{
    auto* memo = Named(new QPlainTextEdit(parent), name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return memo;
}

QDialogButtonBox* OkCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    Named(buttons->button(QDialogButtonBox::Ok), "btnOk");
    Named(buttons->button(QDialogButtonBox::Cancel), "btnCancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* WrappedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

GameRunnerDialog::GameRunnerDialog(const std::string& runner, const std::string& environment, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRunner"));
    setWindowTitle(QStringLiteral("Game Runner"));
    auto* explanation =
        WrappedLabel("lblRunner",
                     QStringLiteral("Ulvex 2 is a Windows program. On Linux it runs through a compatibility tool. "
                                    "Enter the command that starts Windows programs, for example \"wine\": Run "
                                    "then starts that command with the game and its options.\n\n"
                                    "Leave the field empty to start the game directly."),
                     this);
    edtRunner_ = Named(new QLineEdit(PathToQ(runner), this), "edtRunner");
    edtRunner_->setAccessibleName(QStringLiteral("Runner command"));
    auto* environmentLabel =
        WrappedLabel("lblEnvironment",
                     QStringLiteral("Environment variables for every start, one NAME=value a line, for example "
                                    "WINEPREFIX=~/Games/ulvex or MESA_EXTENSION_MAX_YEAR=2003. A value is used as "
                                    "written; only a leading ~/ stands for your home directory."),
                     this);
    mmoEnvironment_ = Named(new QPlainTextEdit(PathToQ(environment), this), "mmoEnvironment");
    mmoEnvironment_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmoEnvironment_->setTabChangesFocus(true);
    environmentLabel->setBuddy(mmoEnvironment_);
    lblEnvironmentNote_ = WrappedLabel("lblEnvironmentNote", QString(), this);
    lblEnvironmentNote_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(edtRunner_);
    layout->addWidget(environmentLabel);
    layout->addWidget(mmoEnvironment_);
    layout->addWidget(lblEnvironmentNote_);
    layout->addWidget(OkCancel(this));
    setMinimumWidth(420);
}

std::string GameRunnerDialog::runner() const { return PathFromQ(edtRunner_->text()); }

std::string GameRunnerDialog::environment() const { return PathFromQ(mmoEnvironment_->toPlainText()); }

void GameRunnerDialog::accept()
{
    try {
        ParseEnvironment(environment());
    } catch (const Error& error) {
        lblEnvironmentNote_->setText(MessageToQ(error.what()));
        lblEnvironmentNote_->show();
        mmoEnvironment_->setFocus();
        return;
    }
    QDialog::accept();
}

CommandLineDialog::CommandLineDialog(const LaunchPlan& plan, QWidget* parent) : QDialog(parent)
{
    const ProgramStart& start = plan.start;
    setObjectName(QStringLiteral("frmCommandLine"));
    setWindowTitle(QStringLiteral("Command Line"));
    auto* arguments = ReadOnlyMemo("mmoArguments", this);
    for (const std::string& argument : start.arguments)
        arguments->appendPlainText(PathToQ(argument));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Program:"), ReadOnlyLine("edtProgram", start.program, this));
    form->addRow(QStringLiteral("Arguments:"), arguments);
    form->addRow(QStringLiteral("Working directory:"),
                 ReadOnlyLine("edtWorkingDirectory", start.workingDirectory, this));
    if (!start.environment.empty()) {
        auto* environment = ReadOnlyMemo("mmoEnvironment", this);
        for (const EnvironmentVariable& variable : start.environment)
            environment->appendPlainText(PathToQ(variable.name + '=' + variable.value));
        form->addRow(QStringLiteral("Environment:"), environment);
    }
    if (plan.batchLine)
        form->addRow(QStringLiteral("Batch file line:"), ReadOnlyLine("edtBatchLine", *plan.batchLine, this));
    form->addRow(QStringLiteral("Output goes to:"), ReadOnlyLine("edtGameLog", plan.logPath, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Named(buttons->button(QDialogButtonBox::Close), "btnClose");
    auto* copy =
        Named(buttons->addButton(QStringLiteral("Copy Command"), QDialogButtonBox::ActionRole), "btnCopyCommand");
    const QString command = PathToQ(CommandText(start));
    connect(copy, &QPushButton::clicked, this, [command] { QGuiApplication::clipboard()->setText(command); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(560, 360);
}

GameReportDialog::GameReportDialog(const GameExit& exit, std::chrono::milliseconds ran, const std::string& logPath,
                                   std::function<void()> openLog, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGameReport"));
    setWindowTitle(QStringLiteral("Ulvex 2 Ended"));
    auto* headline = WrappedLabel("lblExit", MessageToQ(QuickExitHeadline(exit, ran)), this);
    auto* tail = ReadOnlyMemo("mmoLogTail", this);
    tail->setAccessibleName(QStringLiteral("Last lines of the log"));
    const std::vector<std::string> lines = LastLines(logPath, kReportLineCount);
    for (const std::string& line : lines)
        tail->appendPlainText(MessageToQ(line));
    auto* tailLabel = WrappedLabel(
        "lblLogTail",
        MessageToQ(lines.empty() ? "Its log " + logPath + " is empty." : "The last lines of its log " + logPath + ":"),
        this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Named(buttons->button(QDialogButtonBox::Close), "btnClose");
    auto* open =
        Named(buttons->addButton(QStringLiteral("Open Whole Log"), QDialogButtonBox::ActionRole), "btnOpenLog");
    connect(open, &QPushButton::clicked, this, std::move(openLog));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(tailLabel);
    layout->addWidget(tail);
    layout->addWidget(buttons);
    resize(600, 360);
}

} // namespace tesk
