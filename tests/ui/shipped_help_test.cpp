// SPDX-License-Identifier: GPL-3.0-or-later
// The help files the build makes beside the program (bin/): every page the program can ask for
// is in its file with a title and text, and every link and picture of every page reached from
// them resolves inside that file or in a help file beside it.
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string_view>

#include "calculator/catalogue.h"
#include "calculator/help.h"
#include "deviations/deviation_catalogue.h"
#include "ui/chm_archive.h"
#include "ui/help_window.h"

namespace tarvel::ui {
namespace {

// Empty when the build could not make the help files (no chmcmd).
const QString kHelpDir = QStringLiteral(TARVEL_HELP_DIR);

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fileOf(int selector) {
    return qs(calculator::helpDocument(selector).html).mid(1);
}

// The pages the program opens: F1 to F6, the help menu, the deviations dialog of every
// service, the estimator and the offer composer.
std::map<QString, QStringList> requestedPages() {
    std::map<QString, QStringList> pages;
    for (int selector : {2, 3, 4, 6})
        pages[fileOf(selector)] << qs(calculator::helpDocument(selector).page);
    pages[fileOf(1)] << qs(calculator::kGeneralHelpPage);
    for (const calculator::CatalogueEntry& entry : calculator::catalogue())
        pages[fileOf(1)] << qs(entry.helpPage);
    for (const deviations::DeviationService& service : deviations::deviationCatalogue())
        pages[fileOf(6)] << qs(service.helpPage);
    pages[fileOf(4)] << QStringLiteral("Proracun.htm") << QStringLiteral("Ponuda.htm");
    return pages;
}

class ShippedHelp : public ::testing::Test {
protected:
    void SetUp() override {
        if (kHelpDir.isEmpty())
            GTEST_SKIP() << "the build makes no help files here (chmcmd missing)";
    }

    ChmArchive* archive(const QString& file) {
        auto& opened = archives_[file];
        if (!opened) {
            opened = std::make_unique<ChmArchive>();
            if (!opened->open(QDir(kHelpDir).filePath(file)))
                return nullptr;
        }
        return opened->isOpen() ? opened.get() : nullptr;
    }

    // A link of `page` in `file` as the help file and the name it leads to; an empty file for
    // a link out of the help (web, mail).
    std::pair<QString, QString> target(const QString& file, const QString& page,
                                       const QString& link) {
        static const QRegularExpression other(QStringLiteral("^ms-its:([^:]+)::/?(.*)$"));
        const QRegularExpressionMatch match = other.match(link);
        if (match.hasMatch())
            return {match.captured(1), QUrl::fromPercentEncoding(match.captured(2).toUtf8())};
        const QUrl url(link);
        if (!url.scheme().isEmpty())
            return {};
        const QUrl resolved = QUrl(QStringLiteral("chm:///") + page).resolved(url);
        return {file, resolved.path(QUrl::FullyDecoded).mid(1)};
    }

    // Opens every page reached from `start` in `file` and checks it.
    void crawl(const QString& file, const QStringList& start) {
        ChmArchive* help = archive(file);
        ASSERT_TRUE(help) << file.toStdString() << " is not in " << kHelpDir.toStdString();
        QStringList queue = start;
        QSet<QString> seen;
        static const QRegularExpression links(QStringLiteral(R"((?:href|src)="([^"#]*))"));
        while (!queue.isEmpty()) {
            const QString page = queue.takeFirst();
            if (seen.contains(page.toLower()))
                continue;
            seen.insert(page.toLower());
            const std::string where = (file + QStringLiteral("::/") + page).toStdString();
            const QByteArray bytes = help->read(help->find(page)).value_or(QByteArray());
            ASSERT_FALSE(bytes.isEmpty()) << where << " is missing";
            const QString html = decodeHelpPage(bytes);
            QTextDocument document;
            document.setHtml(html);
            EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty()) << where;
            EXPECT_GT(document.toPlainText().simplified().size(), 80) << where;

            for (const QRegularExpressionMatch& m : links.globalMatch(html)) {
                const auto [linkFile, name] = target(file, page, m.captured(1));
                if (linkFile.isEmpty() || name.isEmpty())
                    continue;
                ChmArchive* other = archive(linkFile);
                ASSERT_TRUE(other) << where << ": link into " << linkFile.toStdString();
                EXPECT_FALSE(other->read(other->find(name)).value_or(QByteArray()).isEmpty())
                    << where << ": link to " << linkFile.toStdString() << "::/"
                    << name.toStdString();
                if (linkFile == file && name.endsWith(QStringLiteral(".htm")))
                    queue << name;
            }
        }
    }

    std::map<QString, std::unique_ptr<ChmArchive>> archives_;
};

TEST_F(ShippedHelp, EveryPageTheProgramAsksForIsThereAndEveryLinkResolves) {
    for (const auto& [file, pages] : requestedPages()) {
        SCOPED_TRACE(file.toStdString());
        crawl(file, pages);
    }
}

TEST_F(ShippedHelp, TheRegulationSaysItDescribesTheProgramNotTheRegulation) {
    ChmArchive* help = archive(fileOf(1));
    ASSERT_TRUE(help);
    const QString general = decodeHelpPage(
        help->read(help->find(qs(calculator::kGeneralHelpPage))).value_or(QByteArray()));
    EXPECT_TRUE(general.contains(QStringLiteral("nisu službeni tekst Pravilnika o cijenama")))
        << general.toStdString();
    EXPECT_TRUE(general.contains(QStringLiteral("<title>Opće odredbe</title>")));
}

} // namespace
} // namespace tarvel::ui
