// The Qt dialogs as a user meets them: the save dialog of a backup copy, the input box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "support/TestToolkit.h"
#include "ui/qt/QtDialogs.h"

namespace {

// Waits, letting events run, until `done` holds or two seconds have passed.
template <class Condition>
bool waitFor(Condition done) {
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace

TEST(QtDialogs, SaveDialogShowsTheFilterAsWrittenMatchesAnyCaseAndReplacesWithoutAsking) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"a.txt", "b.TXT", "c.Txt", "d.doc"})
        std::ofstream(dir.filePath(QString::fromLatin1(name)).toStdString()) << "x\r\n";

    QString shownFilter;
    QString title;
    QStringList listed;
    int modalsSeen = 0;
    // Inspects the dialog once it is up, then confirms the existing "a.txt". A second modal
    // window (a "replace it?" question) is counted and closed, so the test cannot hang on it.
    std::function<void()> inspect = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            if (modal) {
                ++modalsSeen;
                modal->close();
            }
            QTimer::singleShot(20, inspect);
            return;
        }
        title = dialog->windowTitle();
        if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            shownFilter = combo->currentText();
        auto* model = dialog->findChild<QFileSystemModel*>();
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        if (model && view) {
            waitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; });
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
            listed.sort();
        }
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("a.txt"));
        // A "replace it?" question would open inside accept(): the sweeper closes it, and the
        // file dialog it leaves behind, so that the test ends and counts them.
        auto* sweeper = new QTimer(dialog);
        QObject::connect(sweeper, &QTimer::timeout, [&modalsSeen] {
            if (QWidget* next = QApplication::activeModalWidget()) {
                ++modalsSeen;
                next->close();
            }
        });
        sweeper->start(100);
        QMetaObject::invokeMethod(dialog, "accept");
    };
    QTimer::singleShot(0, inspect);

    plevo::QtDialogs dialogs(plevo::test::testToolkit());
    const auto chosen = dialogs.saveFile({.defaultExt = "txt",
                                          .filter = "Text files (*.txt)|*.TXT",
                                          .fileName = "Blocked Senders List",
                                          .initialDir = dir.path().toStdString(),
                                          .title = "Save the list"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.filePath(QStringLiteral("a.txt")).toStdString());
    EXPECT_EQ(modalsSeen, 0);
    EXPECT_EQ(shownFilter, QStringLiteral("Text files (*.txt)"));
    EXPECT_EQ(title, QStringLiteral("Save the list"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.TXT"),
                                   QStringLiteral("c.Txt")}));
}

TEST(QtDialogs, TheInputBoxGivesTheTypedAnswerOrNothingWhenCancelled) {
    plevo::QtDialogs dialogs(plevo::test::testToolkit());
    QString title;
    QString typed;
    QString button;
    // Once the box is up: types `typed` and presses `button`.
    std::function<void()> act = [&] {
        QWidget* box = QApplication::activeModalWidget();
        auto* edit = box ? box->findChild<QLineEdit*>() : nullptr;
        if (!edit) return QTimer::singleShot(20, act);
        title = box->windowTitle();
        edit->setText(typed);
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == button) b->click();
    };
    typed = QStringLiteral("2");
    button = QStringLiteral("OK");
    QTimer::singleShot(0, act);
    EXPECT_EQ(dialogs.input("Identity's", "3 persons\n\rPlease choose", "0"),
              std::optional<std::string>("2"));
    EXPECT_EQ(title, QStringLiteral("Identity's"));
    typed = QStringLiteral("x");
    button = QStringLiteral("Cancel");
    QTimer::singleShot(0, act);
    EXPECT_EQ(dialogs.input("Search?", "ex: ", ""), std::nullopt);
}
