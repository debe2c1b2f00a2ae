// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>

#include "system/cp1250.h"
#include "ui/window_stacking.h"

namespace tarvel::ui {

namespace {

const QString kScheme = QStringLiteral("chm");
const QString kTitle = QStringLiteral("Pomoć");

QString fromCp1250(const QByteArray& bytes) {
    return QString::fromStdString(system::decodeCp1250(bytes.toStdString()));
}

// The character set named in the page's head ("charset=windows-1250"), lower case; "" when
// none is named.
QString declaredCharset(const QByteArray& bytes) {
    static const QRegularExpression charset(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([a-z0-9_.:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(4096));
    const QRegularExpressionMatch match = charset.match(head);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

bool isCp1250Name(const QString& name) {
    return name == QLatin1String("windows-1250") || name == QLatin1String("cp1250") ||
           name == QLatin1String("x-cp1250") || name == QLatin1String("cp-1250");
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// A page of the window's own, for what cannot be shown.
QString notice(const QString& title, const QString& line) {
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%2</p></body></html>")
        .arg(escaped(title), line);
}

bool isHelpScheme(const QString& scheme) {
    return scheme == kScheme || scheme == QLatin1String("ms-its") ||
           scheme == QLatin1String("its") || scheme == QLatin1String("mk");
}

} // namespace

QString decodeHelpPage(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    const QString charset = declaredCharset(bytes);
    if (charset == QLatin1String("utf-8") || charset == QLatin1String("utf8"))
        return QString::fromUtf8(bytes);
    if (!charset.isEmpty() && !isCp1250Name(charset)) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    if (charset.isEmpty()) {
        // Croatian letters in Windows-1250 are never valid UTF-8 in running text, so a page
        // that is valid UTF-8 was written in it.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return fromCp1250(bytes);
}

// ---- HelpBrowser ----

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed here: Qt's own handling would give the help file's pages to the
    // desktop as "external" addresses.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::linkClicked);
}

HelpBrowser::~HelpBrowser() = default;

int HelpBrowser::fileNumber(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    int number = static_cast<int>(files_.indexOf(path));
    if (number < 0) {
        files_.append(path);
        number = static_cast<int>(files_.size()) - 1;
    }
    return number;
}

QString HelpBrowser::fileOf(const QUrl& url) const {
    const QString host = url.host();
    if (url.scheme() != kScheme || !host.startsWith(QLatin1Char('f')))
        return {};
    bool ok = false;
    const int number = host.mid(1).toInt(&ok);
    return ok && number >= 0 && number < files_.size() ? files_.at(number) : QString();
}

QUrl HelpBrowser::pageUrl(const QString& file, const QString& page) {
    QString name = page;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString fragment;
    if (const qsizetype hash = name.indexOf(QLatin1Char('#')); hash >= 0) {
        fragment = name.mid(hash + 1);
        name.truncate(hash);
    }
    if (!name.startsWith(QLatin1Char('/')))
        name.prepend(QLatin1Char('/'));
    QUrl url;
    url.setScheme(kScheme);
    url.setHost(QStringLiteral("f%1").arg(fileNumber(file)));
    url.setPath(name, QUrl::DecodedMode);
    if (!fragment.isEmpty())
        url.setFragment(fragment, QUrl::DecodedMode);
    return url;
}

void HelpBrowser::forgetFile(const QString& file) {
    archives_.erase(QFileInfo(file).absoluteFilePath());
}

ChmArchive* HelpBrowser::archive(const QString& file) {
    auto it = archives_.find(file);
    if (it == archives_.end()) {
        auto opened = std::make_unique<ChmArchive>();
        if (!opened->open(file))
            opened.reset();
        it = archives_.emplace(file, std::move(opened)).first;
    }
    return it->second.get();
}

QUrl HelpBrowser::helpAddress(const QUrl& link) {
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    const QString scheme = url.scheme().toLower();
    if (!isHelpScheme(scheme))
        return url;
    // "ms-its:Propisi.chm::/Sadrzaj.htm", "mk:@MSITStore:Propisi.chm::/Sadrzaj.htm", or a link
    // "Propisi.chm::/Sadrzaj.htm" made relative to the page it is on.
    QString rest = url.path(QUrl::FullyDecoded);
    const qsizetype separator = rest.indexOf(QLatin1String("::"));
    if (separator < 0)
        return scheme == kScheme ? url : QUrl();
    QString file = rest.left(separator);
    if (file.startsWith(QLatin1String("@MSITStore:"), Qt::CaseInsensitive))
        file = file.mid(11);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString page = rest.mid(separator + 2);
    if (url.hasFragment())
        page += QLatin1Char('#') + url.fragment(QUrl::FullyDecoded);
    // A file without a folder is beside the file of the page the link is on.
    if (!QFileInfo(file).isAbsolute() || scheme == kScheme) {
        const QString current = fileOf(source());
        const QString folder = current.isEmpty() ? QDir::currentPath() : QFileInfo(current).path();
        file = QDir(folder).filePath(QFileInfo(file).fileName());
    }
    return pageUrl(file, page);
}

void HelpBrowser::linkClicked(const QUrl& link) {
    const QUrl url = helpAddress(link);
    if (url.isEmpty())
        return;
    if (url.scheme() == kScheme)
        setSource(url);
    else
        QDesktopServices::openUrl(url);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const QUrl url = helpAddress(name);
    if (url.scheme() != kScheme)
        return;
    QTextBrowser::doSetSource(url, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const bool page = type == QTextDocument::HtmlResource;
    // Nothing outside the help files is read: a page cannot reach the disk.
    const QString file = fileOf(url);
    if (file.isEmpty())
        return page ? notice(kTitle, QStringLiteral("Stranica se ne može prikazati.")) : QVariant();
    // A page starts its own reading: the pictures and style sheets it shows count towards it.
    if (page) {
        for (const auto& [path, opened] : archives_) {
            if (opened)
                opened->startPage();
        }
    }
    ChmArchive* help = archive(file);
    if (!help) {
        if (!page)
            return {};
        return notice(QStringLiteral("Nema pomoći"),
                      QStringLiteral("Datoteka pomoći %1 se ne može otvoriti.")
                          .arg(escaped(QFileInfo(file).fileName())));
    }
    const QString entry = help->find(url.path(QUrl::FullyDecoded));
    const std::optional<QByteArray> bytes = help->read(entry);
    if (!bytes) {
        if (!page)
            return {};
        QString wanted = url.path(QUrl::FullyDecoded);
        if (wanted.startsWith(QLatin1Char('/')))
            wanted.remove(0, 1);
        const QString fileName = escaped(QFileInfo(file).fileName());
        if (entry.isEmpty())
            return notice(QStringLiteral("Stranica ne postoji"),
                          QStringLiteral("Stranica „%1“ ne postoji u datoteci pomoći %2.")
                              .arg(escaped(wanted), fileName));
        // Listed but not read: damaged, or beyond what one page may read.
        return notice(QStringLiteral("Stranica se ne može prikazati"),
                      QStringLiteral("Stranica „%1“ iz datoteke pomoći %2 se ne može prikazati.")
                          .arg(escaped(wanted), fileName));
    }
    if (page || type == QTextDocument::StyleSheetResource)
        return decodeHelpPage(*bytes);
    return *bytes;
}

// ---- HelpWindow ----

namespace {
QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
}
} // namespace

HelpWindow* HelpWindow::current() {
    return theWindow().data();
}

HelpWindow* HelpWindow::showPage(const QString& file, const QString& page) {
    QPointer<HelpWindow>& window = theWindow();
    if (!window)
        window = new HelpWindow;
    window->openPage(file, page);
    // The help asked for from a modal dialog stays usable while the dialog is open.
    showOverOwner(*window);
    return window;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmPomoc"));
    setWindowTitle(kTitle);
    // The program ends with its main window, not with this one.
    setAttribute(Qt::WA_QuitOnClose, false);

    back_ = new QPushButton(QStringLiteral("Natrag"), this);
    forward_ = new QPushButton(QStringLiteral("Naprijed"), this);
    home_ = new QPushButton(QStringLiteral("Početna"), this);
    close_ = new QPushButton(QStringLiteral("Zatvori"), this);
    back_->setObjectName(QStringLiteral("cmdNatrag"));
    forward_->setObjectName(QStringLiteral("cmdNaprijed"));
    home_->setObjectName(QStringLiteral("cmdPocetna"));
    close_->setObjectName(QStringLiteral("cmdZatvori"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    for (QPushButton* button : {back_, forward_, home_, close_})
        button->setAutoDefault(false);

    browser_ = new HelpBrowser(this);
    browser_->setAccessibleName(QStringLiteral("Stranica pomoći"));
    browser_->setObjectName(QStringLiteral("txtStranica"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QPushButton::clicked, this, &HelpWindow::goHome);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser_,
            &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    // A reading size that fits on the screen.
    QSize size(760, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void HelpWindow::openPage(const QString& file, const QString& page) {
    // The file may have been replaced since it was last read.
    browser_->forgetFile(file);
    homePage_ = browser_->pageUrl(file, page);
    if (browser_->source() == homePage_)
        browser_->reload();
    else
        browser_->setSource(homePage_);
    pageChanged();
}

void HelpWindow::goHome() {
    if (homePage_.isValid())
        browser_->setSource(homePage_);
}

void HelpWindow::pageChanged() {
    const QString title = browser_->documentTitle().simplified();
    setWindowTitle(title.isEmpty() ? kTitle : kTitle + QStringLiteral(" – ") + title);
}

} // namespace tarvel::ui
