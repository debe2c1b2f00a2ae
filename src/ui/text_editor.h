// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMainWindow>
#include <QString>

#include "ui/text_loader.h"

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace tarvel::ui {

// The program's own text editor for its Windows-1250 files (the saved calculations, the offer,
// the estimate): a window beside the calculator, in a fixed-pitch font, saving back in
// Windows-1250 with CR LF. It never loses a record: a file that changed on disk since it was
// read (a calculation saved meanwhile) is not overwritten without asking, a character the
// code page cannot hold is reported before saving, and unsaved changes are asked about on
// closing. A file is read in the background: a progress bar with "Odustani" shows meanwhile,
// the text cannot be edited or saved until it is all there, and cancelling closes the window.
class TextEditor : public QMainWindow {
    Q_OBJECT
public:
    // Shows the editor of a file: the one already open on it, brought forward (and read again
    // when nothing was edited in it), or a new one. A file that cannot be read is reported in
    // a message box and gives nullptr.
    static TextEditor* open(const QString& path);
    // At the end of the program: each editor with unsaved changes asks whether to save them
    // (no "Odustani", the program is ending), then closes.
    static void closeAll();

    explicit TextEditor(const QString& path, QWidget* parent = nullptr);

    // Starts reading the file; false with the system's reason when it cannot be opened.
    bool load(QString* reason = nullptr);
    // Saves the text (Ctrl+S); false when it was not saved (refused, cancelled, failed, or the
    // file is still being read).
    bool save();
    // Reads the file again, asking first when there are unsaved changes.
    bool reload();

    QString path() const { return path_; }
    QPlainTextEdit* textEdit() const { return edit_; }
    QProgressBar* loadProgress() const { return loadProgress_; }
    bool isModified() const;
    // Whether the file is still being read.
    bool isLoading() const { return loader_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class DiskChange { None, Appended, Replaced };
    DiskChange diskChange(QByteArray& now) const;
    // Decides what to do with a file changed on disk: false stops the save.
    bool resolveDiskChange();
    // Reports characters the code page cannot hold: false stops the save.
    bool acceptUnencodable(const QString& text, const std::string& bytes);
    bool writeFile(const QByteArray& bytes);
    // Reads the file again, telling when it cannot be opened.
    bool readAgain();
    void loaderProgressed(qint64 done, qint64 total);
    void loaderFinished(const QString& failure);
    void stopLoading();
    void rememberDisk(const QByteArray& bytes);
    void reloadIfUnchangedHere();
    void findNext();
    void showFindBar();

    QString path_;
    QString name_;
    ContentFingerprint loaded_; // the file's bytes as last read or written
    QDateTime loadedTime_;
    TextLoader* loader_ = nullptr; // while the file is read
    int restorePosition_ = 0;      // where the cursor and the view go when it has been read
    int restoreScroll_ = 0;
    QPlainTextEdit* edit_ = nullptr;
    QWidget* loadBar_ = nullptr;
    QProgressBar* loadProgress_ = nullptr;
    QWidget* findBar_ = nullptr;
    QLineEdit* findText_ = nullptr;
};

} // namespace tarvel::ui
