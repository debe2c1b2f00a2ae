// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_editor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

#include "system/cp1250.h"
#include "system/file_writes.h"
#include "ui/window_stacking.h"

namespace tarvel::ui {

namespace {

constexpr int kColumns = 82;
constexpr int kRows = 32;
constexpr int kProgressSteps = 1000;

// Asks with buttons of the given texts; the last one is the answer of the Escape key. Returns
// the index of the chosen button.
int ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
        const QStringList& buttons) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    std::vector<QPushButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        added.push_back(box.addButton(buttons[i], last && buttons.size() > 1
                                                      ? QMessageBox::RejectRole
                                                      : QMessageBox::AcceptRole));
    }
    box.setDefaultButton(added.front());
    box.setEscapeButton(added.back());
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (box.clickedButton() == added[i])
            return static_cast<int>(i);
    }
    return static_cast<int>(added.size()) - 1;
}

void tell(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, QMessageBox::Information, title, text, {QStringLiteral("U redu")});
}

// The text as a file holds it: the editor's paragraph and line separators become line ends,
// and a non-breaking space stays one (the plain-text view would turn it into a blank).
QString fileText(const QTextDocument& document) {
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QString fromBytes(const QByteArray& bytes) {
    return QString::fromStdString(system::decodeCp1250(bytes.toStdString()));
}

} // namespace

TextEditor* TextEditor::open(const QString& path) {
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* editor = qobject_cast<TextEditor*>(widget);
        if (editor && editor->path_ == canonical && editor->isVisible()) {
            editor->reloadIfUnchangedHere();
            showOverOwner(*editor);
            return editor;
        }
    }
    auto* editor = new TextEditor(canonical);
    QString reason;
    if (!editor->load(&reason)) {
        tell(ownerWindow(), QStringLiteral(" Ne može"),
             QStringLiteral("Datoteku %1 nije moguće otvoriti. Razlog: %2.")
                 .arg(QFileInfo(canonical).fileName(), reason));
        delete editor;
        return nullptr;
    }
    // Opened from a modal window (the offer composer's check), it is usable above it.
    showOverOwner(*editor);
    return editor;
}

void TextEditor::closeAll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* editor = qobject_cast<TextEditor*>(widget);
        if (!editor || !editor->isVisible())
            continue;
        if (editor->isModified()) {
            const int answer = ask(editor, QMessageBox::Question, QStringLiteral(" Pažnja"),
                                   QStringLiteral("Datoteka %1 je promijenjena. Želite li "
                                                  "spremiti promjene?")
                                       .arg(editor->name_),
                                   {QStringLiteral("Da"), QStringLiteral("Ne")});
            if (answer == 0)
                editor->save();
            editor->edit_->document()->setModified(false);
        }
        editor->close();
    }
}

TextEditor::TextEditor(const QString& path, QWidget* parent)
    : QMainWindow(parent), path_(QFileInfo(path).absoluteFilePath()),
      name_(QFileInfo(path).fileName()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("textEditor"));
    setWindowTitle(name_ + QStringLiteral("[*] – uređivač teksta"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    edit_ = new QPlainTextEdit(central);
    edit_->setObjectName(QStringLiteral("txtTekst"));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setAccessibleName(QStringLiteral("Tekst datoteke ") + name_);

    loadBar_ = new QWidget(central);
    auto* loadLayout = new QHBoxLayout(loadBar_);
    loadLayout->setContentsMargins(6, 3, 6, 3);
    loadLayout->addWidget(new QLabel(QStringLiteral("Učitavanje datoteke…"), loadBar_));
    loadProgress_ = new QProgressBar(loadBar_);
    loadProgress_->setObjectName(QStringLiteral("prgUcitavanje"));
    loadProgress_->setRange(0, kProgressSteps);
    loadLayout->addWidget(loadProgress_, 1);
    auto* cancelLoad = new QPushButton(QStringLiteral("Odustani"), loadBar_);
    cancelLoad->setObjectName(QStringLiteral("cmdOdustani"));
    loadLayout->addWidget(cancelLoad);
    loadBar_->hide();
    layout->addWidget(loadBar_);
    layout->addWidget(edit_);
    // Cancelling a load closes the window: the file is left as it is.
    connect(cancelLoad, &QPushButton::clicked, this, &QWidget::close);

    findBar_ = new QWidget(central);
    auto* findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(6, 3, 6, 3);
    auto* findLabel = new QLabel(QStringLiteral("Traži:"), findBar_);
    findLayout->addWidget(findLabel);
    findText_ = new QLineEdit(findBar_);
    findLabel->setBuddy(findText_);
    findText_->setObjectName(QStringLiteral("txtTrazi"));
    findLayout->addWidget(findText_, 1);
    auto* next = new QPushButton(QStringLiteral("Traži dalje"), findBar_);
    findLayout->addWidget(next);
    auto* hide = new QToolButton(findBar_);
    hide->setText(QStringLiteral("✕"));
    hide->setToolTip(QStringLiteral("Zatvori traženje"));
    hide->setAutoRaise(true);
    findLayout->addWidget(hide);
    findBar_->hide();
    layout->addWidget(findBar_);
    setCentralWidget(central);

    connect(findText_, &QLineEdit::returnPressed, this, &TextEditor::findNext);
    connect(next, &QPushButton::clicked, this, &TextEditor::findNext);
    connect(hide, &QToolButton::clicked, this, [this] {
        findBar_->hide();
        edit_->setFocus();
    });
    auto* escape = new QAction(findBar_);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    findBar_->addAction(escape);
    connect(escape, &QAction::triggered, hide, &QToolButton::click);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datoteka"));
    QAction* saveAction = file->addAction(QStringLiteral("&Spremi"), this, [this] { save(); });
    saveAction->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("&Učitaj ponovno"), this, [this] { reload(); });
    file->addSeparator();
    QAction* closeAction = file->addAction(QStringLiteral("&Zatvori"), this, &QWidget::close);
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Uređivanje"));
    QAction* undo = editMenu->addAction(QStringLiteral("&Poništi"), edit_, &QPlainTextEdit::undo);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = editMenu->addAction(QStringLiteral("&Vrati"), edit_, &QPlainTextEdit::redo);
    redo->setShortcut(QKeySequence::Redo);
    editMenu->addSeparator();
    editMenu->addAction(QStringLiteral("&Izreži"), edit_, &QPlainTextEdit::cut);
    editMenu->addAction(QStringLiteral("&Kopiraj"), edit_, &QPlainTextEdit::copy);
    editMenu->addAction(QStringLiteral("&Zalijepi"), edit_, &QPlainTextEdit::paste);
    editMenu->addAction(QStringLiteral("Označi &sve"), edit_, &QPlainTextEdit::selectAll);
    editMenu->addSeparator();
    QAction* find =
        editMenu->addAction(QStringLiteral("&Traži..."), this, &TextEditor::showFindBar);
    find->setShortcut(QKeySequence::Find);
    QAction* findAgain =
        editMenu->addAction(QStringLiteral("Traži &dalje"), this, &TextEditor::findNext);
    findAgain->setShortcut(QKeySequence::FindNext);
    // The editor's own shortcuts (undo, cut, paste) work while it has the focus; the menu
    // items name them.
    for (QAction* action : {undo, redo})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    connect(edit_->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);
    statusBar();

    const QFontMetrics metrics(edit_->font());
    resize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('0'))) + 40,
           metrics.lineSpacing() * kRows + 80);
}

bool TextEditor::isModified() const {
    return edit_->document()->isModified();
}

bool TextEditor::load(QString* reason) {
    auto file = std::make_unique<QFile>(path_);
    if (!file->open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file->errorString();
        return false;
    }
    stopLoading();
    // Reading a long file without an undo history keeps a well-used record file quick to show;
    // the edits that follow are undoable as usual.
    edit_->setUndoRedoEnabled(false);
    edit_->clear();
    edit_->setReadOnly(true);
    loadProgress_->setValue(0);
    loadBar_->show();
    loader_ = new TextLoader(std::move(file), edit_->document(), this);
    connect(loader_, &TextLoader::progressed, this, &TextEditor::loaderProgressed);
    connect(loader_, &TextLoader::finished, this, &TextEditor::loaderFinished);
    return true;
}

void TextEditor::loaderProgressed(qint64 done, qint64 total) {
    // What was read is no edit.
    edit_->document()->setModified(false);
    loadProgress_->setValue(total > 0 ? int(std::min(done, total) * kProgressSteps / total)
                                      : kProgressSteps);
}

void TextEditor::loaderFinished(const QString& failure) {
    loaded_ = loader_->fingerprint();
    stopLoading();
    if (!failure.isEmpty()) {
        // Part of a file is no text to save.
        tell(this, QStringLiteral(" Ne može"),
             QStringLiteral("Datoteku %1 nije moguće pročitati. Razlog: %2.").arg(name_, failure));
        close();
        return;
    }
    loadedTime_ = QFileInfo(path_).lastModified();
    edit_->document()->setModified(false);
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(std::min(restorePosition_, edit_->document()->characterCount() - 1));
    edit_->setTextCursor(cursor);
    edit_->verticalScrollBar()->setValue(restoreScroll_);
    restorePosition_ = 0;
    restoreScroll_ = 0;
}

void TextEditor::stopLoading() {
    if (!loader_)
        return;
    loader_->cancel();
    loader_->deleteLater();
    loader_ = nullptr;
    loadBar_->hide();
    edit_->setReadOnly(false);
    edit_->setUndoRedoEnabled(true);
}

bool TextEditor::readAgain() {
    QString reason;
    if (load(&reason))
        return true;
    tell(this, QStringLiteral(" Ne može"),
         QStringLiteral("Datoteku %1 nije moguće otvoriti. Razlog: %2.").arg(name_, reason));
    return false;
}

void TextEditor::rememberDisk(const QByteArray& bytes) {
    loaded_ = ContentFingerprint::of(bytes);
    loadedTime_ = QFileInfo(path_).lastModified();
}

TextEditor::DiskChange TextEditor::diskChange(QByteArray& now) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is gone holds nothing the save could lose.
        now.clear();
        return DiskChange::None;
    }
    now = file.readAll();
    if (ContentFingerprint::of(now) == loaded_)
        return DiskChange::None;
    return now.size() > loaded_.size &&
                   ContentFingerprint::of(QByteArrayView(now).first(loaded_.size)) == loaded_
               ? DiskChange::Appended
               : DiskChange::Replaced;
}

void TextEditor::reloadIfUnchangedHere() {
    if (isLoading() || isModified())
        return;
    QByteArray now;
    if (diskChange(now) == DiskChange::None)
        return;
    const int position = edit_->textCursor().position();
    const int scroll = edit_->verticalScrollBar()->value();
    if (readAgain()) {
        restorePosition_ = position;
        restoreScroll_ = scroll;
    }
}

bool TextEditor::reload() {
    if (isLoading())
        return false;
    if (isModified() &&
        ask(this, QMessageBox::Question, QStringLiteral(" Pažnja"),
            QStringLiteral("Učitati datoteku %1 ponovno? Izmjene u ovom prozoru će se izgubiti.")
                .arg(name_),
            {QStringLiteral("Da"), QStringLiteral("Ne")}) != 0)
        return false;
    return readAgain();
}

// Another program (or the calculator's save) may have written the file since it was read
// here: never overwrite that silently.
bool TextEditor::resolveDiskChange() {
    QByteArray now;
    switch (diskChange(now)) {
    case DiskChange::None:
        return true;
    case DiskChange::Appended: {
        const int answer =
            ask(this, QMessageBox::Warning, QStringLiteral(" Pažnja"),
                QStringLiteral("Datoteka %1 je u međuvremenu dopunjena: na njenom su kraju novi "
                               "zapisi koje ovaj prozor ne prikazuje.\n\n"
                               "„Dodaj i spremi“ dodaje nove zapise na kraj teksta i sprema sve.\n"
                               "„Prebriši“ sprema samo ovaj tekst, a novi zapisi se gube.")
                    .arg(name_),
                {QStringLiteral("Dodaj i spremi"), QStringLiteral("Prebriši"),
                 QStringLiteral("Odustani")});
        if (answer == 2)
            return false;
        if (answer == 0) {
            QTextCursor cursor(edit_->document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(fromBytes(now.mid(loaded_.size)));
            edit_->setTextCursor(cursor);
        }
        return true;
    }
    case DiskChange::Replaced: {
        const int answer =
            ask(this, QMessageBox::Warning, QStringLiteral(" Pažnja"),
                QStringLiteral("Datoteka %1 je u međuvremenu promijenjena izvan ovog prozora.\n\n"
                               "„Učitaj ponovno“ prikazuje datoteku kakva je sada, a izmjene u "
                               "ovom prozoru se gube.\n"
                               "„Prebriši“ sprema ovaj tekst preko promijenjene datoteke.")
                    .arg(name_),
                {QStringLiteral("Učitaj ponovno"), QStringLiteral("Prebriši"),
                 QStringLiteral("Odustani")});
        if (answer == 0)
            readAgain();
        return answer == 1;
    }
    }
    return false;
}

// The code page holds the Croatian letters but not every character that can be typed or
// pasted (an arrow, a Cyrillic letter): such a character would be written as "?".
bool TextEditor::acceptUnencodable(const QString& text, const std::string& bytes) {
    const QString back = fromBytes(QByteArray::fromStdString(bytes));
    QString expected = text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (back == expected)
        return true;

    QStringList found;
    qsizetype first = -1;
    for (qsizetype i = 0, j = 0; i < expected.size(); ++i, ++j) {
        const bool pair = expected[i].isHighSurrogate() && i + 1 < expected.size();
        const QString ch = expected.mid(i, pair ? 2 : 1);
        if (pair || j >= back.size() || back[j] != expected[i]) {
            if (first < 0)
                first = i;
            if (!found.contains(ch) && found.size() < 8)
                found << ch;
        }
        if (pair)
            ++i;
    }
    if (first < 0)
        return true;
    const int line = edit_->document()->findBlock(int(first)).blockNumber() + 1;
    const int answer =
        ask(this, QMessageBox::Warning, QStringLiteral(" Pažnja"),
            QStringLiteral("Tekst sadrži znakove kojih nema u kodnoj stranici Windows-1250: %1 "
                           "(prvi u retku %2).\n\nSpremiti ih kao „?“?")
                .arg(found.join(QLatin1Char(' ')))
                .arg(line),
            {QStringLiteral("Da"), QStringLiteral("Ne")});
    if (answer == 0)
        return true;
    QTextCursor cursor(edit_->document());
    cursor.setPosition(int(first));
    cursor.setPosition(int(first) + int(found.front().size()), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
    return false;
}

bool TextEditor::writeFile(const QByteArray& bytes) {
    // Replaced whole or not at all: a failure (a full disk too) leaves the file as it was.
    const forms::WriteResult written = system::replaceFileBytes(path_, bytes);
    if (written.result == forms::FileResult::Ok)
        return true;
    tell(this, QStringLiteral(" Ne može"),
         QStringLiteral("Datoteku %1 nije moguće spremiti. Razlog: %2.")
             .arg(name_, QString::fromStdString(written.reason)));
    return false;
}

bool TextEditor::save() {
    // Part of a file is no text to save.
    if (isLoading() || !resolveDiskChange())
        return false;
    const QString text = fileText(*edit_->document());
    const std::string encoded = system::encodeCp1250(text.toStdString());
    if (!acceptUnencodable(text, encoded))
        return false;
    const QByteArray bytes = QByteArray::fromStdString(encoded);
    if (!writeFile(bytes))
        return false;
    rememberDisk(bytes);
    edit_->document()->setModified(false);
    statusBar()->showMessage(QStringLiteral("Spremljeno."), 4000);
    return true;
}

void TextEditor::closeEvent(QCloseEvent* event) {
    if (isLoading() || !isModified()) {
        stopLoading();
        event->accept();
        return;
    }
    const int answer =
        ask(this, QMessageBox::Question, QStringLiteral(" Pažnja"),
            QStringLiteral("Datoteka %1 je promijenjena. Želite li spremiti promjene?").arg(name_),
            {QStringLiteral("Da"), QStringLiteral("Ne"), QStringLiteral("Odustani")});
    if (answer == 1 || (answer == 0 && save()))
        event->accept();
    else
        event->ignore();
}

// Coming back to the window after a calculation was saved shows the new record, unless the
// text was edited here (then saving asks).
void TextEditor::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isModified() &&
        QFileInfo(path_).lastModified() != loadedTime_)
        reloadIfUnchangedHere();
}

void TextEditor::showFindBar() {
    findBar_->show();
    findText_->setFocus();
    findText_->selectAll();
}

void TextEditor::findNext() {
    const QString wanted = findText_->text();
    if (wanted.isEmpty()) {
        showFindBar();
        return;
    }
    if (edit_->find(wanted))
        return;
    // From the top again, as far as the place the search started.
    const QTextCursor start = edit_->textCursor();
    edit_->moveCursor(QTextCursor::Start);
    if (edit_->find(wanted)) {
        statusBar()->showMessage(QStringLiteral("Traženje je nastavljeno od početka."), 4000);
        return;
    }
    edit_->setTextCursor(start);
    statusBar()->showMessage(QStringLiteral("Tekst „%1“ nije pronađen.").arg(wanted), 4000);
}

} // namespace tarvel::ui
