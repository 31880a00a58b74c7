#include "designkeeper.h"

#include "inputwindow.h"
#include "drawingwindow.h"
#include "decimalseparator.h"
#include "errorreport.h"
#include "files/wholefile.h"
#include "lang/designfile.h"
#include "lang/files/writtenfile.h"
#include "transformerdialog.h"
#include "windingswindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace vintorp::ui {
namespace {

constexpr calc::InputField kInputs[] = {calc::InputField::A, calc::InputField::B, calc::InputField::C,
                                        calc::InputField::H, calc::InputField::K, calc::InputField::T};

// The one design file a drag carries, if it carries exactly one.
QString droppedDesign(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).suffix().compare(u"vintorp", Qt::CaseInsensitive) != 0)
        return {};
    return url.toLocalFile();
}

}  // namespace

DesignKeeper::DesignKeeper(TForm1& input, TForm4& drawing, std::unique_ptr<DesignDialogs> dialogs)
    : input_(input), drawing_(drawing), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardDesignDialogs>())
{
    // Shortcuts of the application: they work in whichever of its windows is
    // active, as long as no modal dialog is open.
    const auto command = [this](const char* name, QKeySequence keys, bool (DesignKeeper::*run)()) {
        auto* action = new QAction(&input_);  // the window owns it
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
        input_.addAction(action);
    };
    command("acOpenDesign", QKeySequence(Qt::CTRL | Qt::Key_O), &DesignKeeper::openChosen);
    command("acSaveDesign", QKeySequence(Qt::CTRL | Qt::Key_S), &DesignKeeper::save);
    command("acSaveDesignAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &DesignKeeper::saveAs);

    connect(&input_, &TForm1::inputsChanged, this, &DesignKeeper::updateModified);
    connect(&drawing_, &TForm4::templateSettingsChanged, this, &DesignKeeper::updateModified);
    connect(&drawing_, &TForm4::windingsWindowMade, this, &DesignKeeper::adopt);
    if (WindingsWindow* windings = drawing_.windingsWindow())
        adopt(*windings);
    input_.setAcceptDrops(true);
    drawing_.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

DesignKeeper::~DesignKeeper() = default;

void DesignKeeper::adopt(WindingsWindow& window)
{
    window.setAcceptDrops(true);
    window.setDesignName(path_.isEmpty() ? QString() : QFileInfo(path_).fileName());
    connect(&window, &WindingsWindow::changed, this, &DesignKeeper::updateModified);
    connect(&window, &WindingsWindow::openRequested, this, &DesignKeeper::openChosen);
    connect(&window, &WindingsWindow::saveRequested, this, &DesignKeeper::save);
    connect(&window, &WindingsWindow::saveAsRequested, this, &DesignKeeper::saveAs);
}

design::Design DesignKeeper::gather() const
{
    design::Design d;
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        d.inputs[i] = input_.inputText(kInputs[i]).toStdString();
    d.coreType = input_.coreType();
    if (const WindingsWindow* windings = drawing_.windingsWindow()) {
        d.windings = windings->windings();
        d.factors = windings->factors();
        // «Из напряжений…» as it opens is nothing to keep.
        if (windings->transformerInputs() != defaultTransformerInputs())
            d.transformer = windings->transformerInputs();
    }
    d.templateSettings = drawing_.templateSettings();
    return d;
}

std::string DesignKeeper::currentBytes() const
{
    return design::writeDesign(gather(), decimalSeparator().toStdString());
}

void DesignKeeper::apply(const design::Design& d)
{
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        input_.setInputText(kInputs[i], QString::fromStdString(d.inputs[i]));
    input_.setCoreType(d.coreType);
    drawing_.setTemplateSettings(d.templateSettings);
    // The drawing first, so that the windings are worked once, in its space.
    input_.btShowClick();
    WindingsWindow& windings = drawing_.makeWindingsWindow();
    windings.setWindings(d.windings, d.factors);
    windings.setTransformerInputs(d.transformer.value_or(defaultTransformerInputs()));
    if (!d.windings.empty() && drawing_.isVisible())
        drawing_.btWindingsClick();
}

bool DesignKeeper::open(const QString& path)
{
    const auto fail = [&](const QString& why) {
        reportError(lang::designOpenFailure(path, why), dialogParent());
        return false;
    };
    const auto bytes = lang::readDesignBytes(path);
    if (const auto* why = std::get_if<QString>(&bytes))
        return fail(*why);
    const QByteArray& file = std::get<QByteArray>(bytes);
    const auto read = design::readDesign(std::string_view(file.constData(), std::size_t(file.size())),
                                         decimalSeparator().toStdString());
    if (const auto* error = std::get_if<design::ReadError>(&read))
        return fail(lang::designReadReason(*error));

    apply(std::get<design::Design>(read));
    keep(path, currentBytes());
    return true;
}

bool DesignKeeper::openChosen()
{
    if (!mayLeave())
        return false;
    const QString directory = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString path = dialogs_->openFileName(dialogParent(), directory);
    return !path.isEmpty() && open(path);
}

bool DesignKeeper::save()
{
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool DesignKeeper::saveAs()
{
    const QString suggested = path_.isEmpty() ? tr("каркас") + QStringLiteral(".vintorp") : path_;
    const QString path = dialogs_->saveFileName(dialogParent(), suggested);
    return !path.isEmpty() && saveTo(path);
}

bool DesignKeeper::saveTo(const QString& path)
{
    if (const WindingsWindow* windings = drawing_.windingsWindow()) {
        if (const QString reason = windings->unsavedReason(); !reason.isEmpty()) {
            reportError(tr("Проект не сохранён: %1").arg(reason), dialogParent());
            return false;
        }
    }
    const std::string bytes = currentBytes();
    const QByteArray name = QFile::encodeName(path);
    if (const auto failure = files::writeWholeFile(std::string_view(name.constData(), std::size_t(name.size())), bytes)) {
        reportError(lang::writeFailureMessage(path, *failure), dialogParent());
        return false;
    }
    keep(path, bytes);
    return true;
}

void DesignKeeper::keep(const QString& path, std::string bytes)
{
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = std::move(bytes);
    if (WindingsWindow* windings = drawing_.windingsWindow())
        windings->setDesignName(QFileInfo(path_).fileName());
    updateModified();
}

bool DesignKeeper::isModified() const
{
    return saved_ && *saved_ != currentBytes();
}

void DesignKeeper::updateModified()
{
    if (WindingsWindow* windings = drawing_.windingsWindow())
        windings->setWindowModified(isModified());
}

bool DesignKeeper::mayLeave()
{
    // Without a design in use, the windings in the table were typed this run
    // and are in no file.
    const WindingsWindow* windings = drawing_.windingsWindow();
    const bool unsavedWindings = !saved_ && windings && !windings->windings().empty();
    if (!isModified() && !unsavedWindings)
        return true;
    switch (dialogs_->askToSave(dialogParent(), saved_ ? QFileInfo(path_).fileName() : QString())) {
    case DesignDialogs::Answer::Save: return save();
    case DesignDialogs::Answer::Discard: return true;
    case DesignDialogs::Answer::Cancel: return false;
    }
    return false;
}

bool DesignKeeper::ownsWindow(const QObject* object) const
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return false;
    const QWidget* window = widget->window();
    return window == &input_ || window == &drawing_
           || (drawing_.windingsWindow() && window == drawing_.windingsWindow());
}

QWidget* DesignKeeper::dialogParent() const
{
    QWidget* active = QApplication::activeWindow();
    return active && ownsWindow(active) ? active : &input_;
}

bool DesignKeeper::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close:
        // The input window's closing ends the program.
        if (watched == &input_ && !mayLeave()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (ownsWindow(watched) && !droppedDesign(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
            static_cast<QDropEvent*>(event)->acceptProposedAction();
            return true;
        }
        break;
    case QEvent::Drop:
        if (ownsWindow(watched)) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedDesign(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                if (mayLeave())
                    open(path);
                return true;
            }
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vintorp::ui
