// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <map>
#include <memory>

#include "ui/chm_archive.h"

class QPushButton;

namespace tarvel::ui {

// The text of a help page from its bytes: the character set its meta tag declares, UTF-8 with
// a byte-order mark or when the bytes are valid UTF-8, otherwise Windows-1250, in which the
// help documents were written.
QString decodeHelpPage(const QByteArray& bytes);

// The browser of the help window: pages, pictures and style sheets come out of compiled HTML
// help files. A page is addressed as chm://f<n>/<name inside the file>, n numbering the files
// opened so far; links between files ("ms-its:Propisi.chm::/Sadrzaj.htm") are followed too,
// and web or mail links go to the desktop.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    ~HelpBrowser() override;

    // The address of a page of a help file.
    QUrl pageUrl(const QString& file, const QString& page);
    // Reads the file again at its next page (it may have been replaced since).
    void forgetFile(const QString& file);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    // The address of a link: a link into another help file becomes that file's address.
    QUrl helpAddress(const QUrl& link);
    int fileNumber(const QString& file);
    QString fileOf(const QUrl& url) const;
    ChmArchive* archive(const QString& file);
    void linkClicked(const QUrl& link);

    QStringList files_; // by number, absolute paths
    std::map<QString, std::unique_ptr<ChmArchive>> archives_;
};

// The program's own help window: one non-modal window, reused for every request, showing a
// page of a compiled HTML help file with the history of the pages seen (back, forward), a
// button to the page first asked for and one that closes the window. A page or file that
// cannot be shown gives a line saying so in the window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows `page` ("Opce odredbe.htm") of the help file `file` (a full path) in the help
    // window, opening it on first use, and brings the window forward.
    static HelpWindow* showPage(const QString& file, const QString& page);
    // The help window when it is open (shown or hidden), else nullptr.
    static HelpWindow* current();

    explicit HelpWindow(QWidget* parent = nullptr);

    void openPage(const QString& file, const QString& page);
    HelpBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* forwardButton() const { return forward_; }
    QPushButton* homeButton() const { return home_; }
    QPushButton* closeButton() const { return close_; }

private:
    void goHome();
    void pageChanged();

    HelpBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* home_ = nullptr;
    QPushButton* close_ = nullptr;
    QUrl homePage_;
};

} // namespace tarvel::ui
