#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "ui/Form.h"
#include "ui/InputBox.h"
#include "ui/qt/Text.h"

namespace plevo {
namespace {

QWidget* owner() {
    return QApplication::activeWindow();
}

QString title() {
    return QApplication::applicationName();
}

}  // namespace

QString qtNameFilter(const std::string& filter) {
    const QStringList parts = toQString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            // Names match in any letter case, as on Windows: "*.TXT" becomes "*.[tT][xX][tT]".
            QString any;
            for (const QChar c : p) {
                if (c.toLower() != c.toUpper())
                    any += u'[' + c.toLower() + c.toUpper() + u']';
                else
                    any += c;
            }
            patterns << any;
        }
        // Qt reads the patterns from the last parentheses of each filter; the dialog hides them
        // (HideNameFilterDetails), so the user sees the description as it is written.
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDialogs::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), displayText(text), QMessageBox::Ok, owner());
    box.exec();
}

Answer QtDialogs::confirm(const std::string& text, Buttons buttons, std::optional<ScreenPoint> at) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) set |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, title(), displayText(text), set, owner());
    box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    if (at) {
        box.adjustSize();
        box.move(at->x, at->y);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<std::string> QtDialogs::input(const std::string& caption, const std::string& prompt,
                                            const std::string& defaultText) {
    return ui::runInputBox(toolkit_, caption, prompt, defaultText);
}

namespace {

std::optional<std::string> runFileDialog(const FileDialogOptions& options,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner());
    dialog.setAcceptMode(mode);
    if (!options.title.empty()) dialog.setWindowTitle(toQString(options.title));
    // A typed name that does not exist is accepted; the caller decides what that means.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Every save of the tool replaces the chosen file: the dialog asks no second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (!options.filter.empty()) dialog.setNameFilter(qtNameFilter(options.filter));
    if (!options.defaultExt.empty()) dialog.setDefaultSuffix(toQString(options.defaultExt));
    if (!options.initialDir.empty()) dialog.setDirectory(pathToQString(options.initialDir));
    if (!options.fileName.empty()) dialog.selectFile(pathToQString(options.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return pathFromQString(dialog.selectedFiles().constFirst());
}

}  // namespace

std::optional<std::string> QtDialogs::openFile(const FileDialogOptions& options) {
    return runFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogOptions& options) {
    return runFileDialog(options, QFileDialog::AcceptSave);
}

void QtDialogs::error(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, title(), displayText(text), QMessageBox::Ok, owner());
    box.exec();
}

int QtDialogs::runModal(ui::Form& form) {
    return form.showModal();
}

}  // namespace plevo
