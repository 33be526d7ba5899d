#include "ui/qt/QtToolkit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QUrl>

#include "ui/Backend.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtSurface.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

// Keys reach a window of ours before the control they are sent to. notify() sees each key once,
// where an event filter would see it again at every parent it is passed on to.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(receiver);
            if (QtForm* form = QtForm::of(widget))
                if (form->previewKey(widget, *static_cast<QKeyEvent*>(event))) return true;
        }
        return QApplication::notify(receiver, event);
    }
};

}  // namespace

QtToolkit::QtToolkit(int& argc, char** argv, const std::string& title) {
    // Dates and numbers the way the tool has always shown them, whatever the user's settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app_ = std::make_unique<Application>(argc, argv);
    // The application title only: a display name would make the window system add " - Plevo"
    // to every window's caption.
    QApplication::setApplicationName(toQString(title));
    // The windows are laid out for an 8-point dialog font; the toolkit's larger default would
    // cut their captions.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

QtToolkit::~QtToolkit() {
    pictures_.clear();
}

std::unique_ptr<Form> QtToolkit::createForm(const FormSpec& form,
                                            std::span<const ControlSpec> controls) {
    auto made = std::make_unique<QtForm>(*this, form, controls);
    forms_.push_back(made.get());
    return made;
}

void QtToolkit::forget(QtForm* form) {
    std::erase(forms_, form);
}

void QtToolkit::processEvents() {
    QCoreApplication::processEvents();
}

int QtToolkit::run() {
    return QApplication::exec();
}

void QtToolkit::quit() {
    // Ends the loop and nothing else, as on every backend: QApplication::quit() would first
    // close every window still shown, and run its close handler a second time when quit() is
    // called from that handler.
    QCoreApplication::exit(0);
}

std::int64_t QtToolkit::milliseconds() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

Rect QtToolkit::screenArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

int QtToolkit::textWidth(const Font& font, std::string_view text) const {
    return QFontMetrics(toQFont(font).resolve(QApplication::font()))
        .horizontalAdvance(toQString(text));
}

int QtToolkit::textHeight(const Font& font) const {
    return QFontMetrics(toQFont(font).resolve(QApplication::font())).height();
}

int QtToolkit::textBlockHeight(const Font& font, std::string_view text, int width) const {
    // As a word-wrapping label lays out its plain text.
    return QFontMetrics(toQFont(font).resolve(QApplication::font()))
        .boundingRect(QRect(0, 0, width, 1 << 24), Qt::TextWordWrap, toQString(text))
        .height();
}

bool QtToolkit::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pathToQString(path)));
}

QPixmap QtToolkit::picture(const Drawing& drawing) {
    const QString key = QString::fromStdString(drawing.key);
    auto found = pictures_.constFind(key);
    if (found != pictures_.constEnd()) return *found;
    QPixmap rendered = render(drawing);
    if (!drawing.key.empty()) pictures_.insert(key, rendered);
    return rendered;
}

}  // namespace plevo::ui::qt

namespace plevo::ui {

std::unique_ptr<Toolkit> createToolkit(int& argc, char** argv, const std::string& title) {
    return std::make_unique<qt::QtToolkit>(argc, argv, title);
}

std::unique_ptr<Dialogs> createDialogs(Toolkit& toolkit) {
    return std::make_unique<QtDialogs>(toolkit);
}

}  // namespace plevo::ui
