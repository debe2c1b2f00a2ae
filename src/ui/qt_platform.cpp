// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#ifdef TARVEL_WITH_PRINTING
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#endif

#include "records/print_routine.h"
#include "ui/client_document.h"
#include "ui/print_rendering.h"

#include "system/cp1250_file_store.h"
#include "system/program_directory.h"
#include "system/qt_settings_store.h"
#include "tarvel_version.h"
#include "ui/help_window.h"
#include "ui/text_editor.h"
#include "ui/window_stacking.h"
#include "ui/windows.h"

namespace tarvel::ui {

namespace {

constexpr int kTwipsPerPixel = 15;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The window a dialog belongs to, above which it stays: the modal window that is open, else
// the active one, else none.
QWidget* dialogParent() {
    return ownerWindow();
}

// A help or data file named by the models ("\Tarvel.chm") in the program directory.
QString programFile(const std::string& directory, const std::string& name) {
    QString file = qs(name);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(file) && QFileInfo::exists(file))
        return file;
    return QDir(qs(directory)).filePath(file.startsWith(QLatin1Char('/')) ? file.mid(1) : file);
}

} // namespace

QtPlatform::QtPlatform()
    : QtPlatform(std::make_unique<system::QtSettingsStore>(), system::programDirectory()) {}

QtPlatform::QtPlatform(std::unique_ptr<forms::SettingsStore> settings, const std::string& directory)
    : directory_(directory), settings_(std::move(settings)),
      files_(std::make_unique<system::Cp1250FileStore>(directory)) {}

QtPlatform::~QtPlatform() {
    setBusy(false);
}

forms::MsgAnswer QtPlatform::messageBox(forms::MsgIcon icon, forms::MsgButtons buttons,
                                        const std::string& title, const std::string& text) {
    // The window behind the box shows what the handler has done so far.
    refresh();
    QMessageBox::Icon qicon = QMessageBox::Information;
    switch (icon) {
    case forms::MsgIcon::Critical:
        qicon = QMessageBox::Critical;
        break;
    case forms::MsgIcon::Question:
        qicon = QMessageBox::Question;
        break;
    case forms::MsgIcon::Exclamation:
        qicon = QMessageBox::Warning;
        break;
    case forms::MsgIcon::Information:
        qicon = QMessageBox::Information;
        break;
    }
    const bool question = buttons == forms::MsgButtons::YesNo;
    QMessageBox box(qicon, qs(title), qs(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    dialogParent());
    const int answer = box.exec();
    if (!question)
        return forms::MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? forms::MsgAnswer::Yes : forms::MsgAnswer::No;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    refresh();
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), qs(title), qs(prompt),
                                               QLineEdit::Normal, qs(defaultText), &ok);
    return ok ? text.toStdString() : std::string();
}

void QtPlatform::beep() {
    QApplication::beep();
}

// The program's own editor: it reads and writes Windows-1250, which a desktop editor would
// not. A file it cannot read is reported by the editor itself, so there is always a viewer.
bool QtPlatform::openTextViewer(const std::string& fileName) {
    refresh();
    TextEditor::open(QDir(qs(directory_)).filePath(qs(fileName)));
    return true;
}

// Help.
namespace {

// A help document named by the models ("\\Tarvel.chm"): in the program directory, else where
// the help documents are installed.
QString helpFile(const std::string& directory, const std::string& name) {
    const QString file = programFile(directory, name);
    if (QFileInfo::exists(file))
        return file;
    const std::string installed = system::findHelpFile(name);
    return installed.empty() ? file : qs(installed);
}

} // namespace

// An installed program keeps its help in share/tarvel, not in the user's data folder.
bool QtPlatform::helpFileExists(const std::string& name) {
    return QFileInfo::exists(helpFile(programDirectory(), name));
}

namespace {

// Whether the desktop has a program for the file. Where xdg-open serves, it starts (and so
// "succeeds") even when nothing handles the file, so the association is asked first.
bool desktopHandles(const QString& path) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true; // unknown: the desktop itself is asked
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(path).name()});
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitCode() == 0 && !process.readAllStandardOutput().trimmed().isEmpty();
#else
    (void)path;
    return true;
#endif
}

} // namespace

// Compiled HTML help is shown in the program's own help window, on every platform.
void QtPlatform::showHtmlHelp(const std::string& file, const std::string& page,
                              const std::string&) {
    refresh();
    HelpWindow::showPage(helpFile(directory_, file), qs(page));
}

// Classic help has no engine of its own on current systems: the desktop gets the file, and
// where nothing opens it the user is told once and pointed to the HTML help.
void QtPlatform::showClassicHelp(const std::string& file, int) {
    // An application help file in HTML mode ("\\Upute.chm::/Proracun.htm") is a page of a
    // compiled HTML help file.
    if (const size_t pagePart = file.find("::"); pagePart != std::string::npos) {
        std::string page = file.substr(pagePart + 2);
        if (page.starts_with('/'))
            page.erase(0, 1);
        showHtmlHelp(file.substr(0, pagePart), page, "Glavni");
        return;
    }
    const QString path = helpFile(directory_, file);
    if (desktopHandles(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok, " Nema pomoći",
               "Klasična pomoć (datoteke .hlp) na ovom sustavu nije dostupna.\r\n"
               "Pomoć u HTML obliku uključuje se u izborniku „Pomoć“ stavkom „HTML\u00A0pomoć“.");
}

std::optional<std::string> QtPlatform::printDocument(const std::string& title,
                                                     forms::PrintTarget target,
                                                     const forms::PrintRender& render) {
#ifdef TARVEL_WITH_PRINTING
    refresh();
    switch (target) {
    case forms::PrintTarget::Printer: {
        if (QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty())
            return std::string(records::kNoPrinter);
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(qs(title));
        return renderOn(printer, render);
    }
    case forms::PrintTarget::Pdf: {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString file = QFileDialog::getSaveFileName(
            dialogParent(), QStringLiteral("Spremi kao PDF"),
            QDir(documents).filePath(qs(title) + QStringLiteral(".pdf")),
            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty())
            return std::nullopt;
        return savePdf(file, title, render);
    }
    case forms::PrintTarget::Preview: {
        // The preview shows the pages the default printer would print; any printer can be
        // chosen from it.
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(qs(title));
        std::optional<std::string> failure;
        QPrintPreviewDialog preview(&printer, dialogParent());
        preview.setWindowTitle(QStringLiteral("Pregled ispisa: ") + qs(title));
        // Cancelling the pages' progress closes the preview.
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
                bool cancelled = false;
                failure = renderOn(*p, render, &cancelled);
                if (cancelled)
                    QMetaObject::invokeMethod(&preview, &QDialog::reject, Qt::QueuedConnection);
            });
        preview.exec();
        return failure;
    }
    }
    return std::nullopt;
#else
    (void)title;
    (void)target;
    (void)render;
    return std::string(records::kNoPrinter);
#endif
}

// Client documents.
namespace {

// Asks where to save a document as PDF, in the user's documents folder; "" when cancelled.
QString askPdfFile(const std::string& title) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(
        dialogParent(), QStringLiteral("Spremi kao PDF"),
        QDir(documents).filePath(qs(title) + QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf)"));
}

} // namespace

std::optional<std::string> QtPlatform::printClientDocument(const forms::ClientDocument& document,
                                                           forms::PrintTarget target) {
    refresh();
#ifdef TARVEL_WITH_PRINTING
    switch (target) {
    case forms::PrintTarget::Printer: {
        if (QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty())
            return std::string(records::kNoPrinter);
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(qs(document.title));
        return typesetDocument(printer, document);
    }
    case forms::PrintTarget::Pdf: {
        const QString file = askPdfFile(document.title);
        return file.isEmpty() ? std::nullopt : saveDocumentPdf(file, document);
    }
    case forms::PrintTarget::Preview: {
        // The preview prints on any printer chosen from it, and saves a PDF file itself.
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(qs(document.title));
        printer.setPageSize(QPageSize(QPageSize::A4));
        std::optional<std::string> failure;
        QPrintPreviewDialog preview(&printer, dialogParent());
        preview.setWindowTitle(QStringLiteral("Pregled dokumenta: ") + qs(document.title));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&](QPrinter* p) { failure = typesetDocument(*p, document); });
        if (auto* bar = preview.findChild<QToolBar*>()) {
            bar->addSeparator();
            QAction* pdf = bar->addAction(QIcon::fromTheme(QStringLiteral("document-save-as")),
                                          QStringLiteral("Spremi kao PDF…"));
            pdf->setToolTip(QStringLiteral("Spremi dokument kao PDF datoteku (Ctrl+S)"));
            pdf->setShortcut(QKeySequence::Save);
            QObject::connect(pdf, &QAction::triggered, &preview, [this, &document] {
                const QString file = askPdfFile(document.title);
                if (file.isEmpty())
                    return;
                if (const auto saved = saveDocumentPdf(file, document))
                    messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok, " Ispis podataka",
                               "Greška : " + *saved);
            });
        }
        preview.exec();
        return failure;
    }
    }
    return std::nullopt;
#else
    // Without printing, the document can still be saved as a PDF file.
    if (target == forms::PrintTarget::Printer)
        return std::string(records::kNoPrinter);
    const QString file = askPdfFile(document.title);
    return file.isEmpty() ? std::nullopt : saveDocumentPdf(file, document);
#endif
}

std::optional<std::string> QtPlatform::openAddress(const std::string& address) {
    if (QDesktopServices::openUrl(QUrl(qs(address))))
        return std::nullopt;
    return "Adresa " + address + " se ne može otvoriti.";
}

void QtPlatform::setBusy(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

forms::ScreenSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1280, 1024);
    return {size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel};
}

forms::Version QtPlatform::version() {
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

void QtPlatform::runModal(forms::Form& form) {
    if (windows_)
        windows_->runModal(form);
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

void QtPlatform::refresh() {
    if (windows_)
        windows_->sync();
}

} // namespace tarvel::ui
