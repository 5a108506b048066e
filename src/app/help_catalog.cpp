// Reading the help folder into titles, keywords and searchable text.
#include "app/help_catalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace tarvel::app {
namespace {

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString Capture(const QString& html, const QString& pattern) {
  const QRegularExpressionMatch match =
      QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                      QRegularExpression::DotMatchesEverythingOption)
          .match(html);
  return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

HelpPage ReadPage(const QString& folder, const QString& file) {
  const QString html = ReadText(folder + "/" + file);
  HelpPage page;
  page.file = file;
  page.title = QTextDocumentFragment::fromHtml(Capture(html, "<title>(.*?)</title>")).toPlainText();
  const QString keywords = Capture(html, "<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\"");
  for (const QString& keyword : keywords.split(',', Qt::SkipEmptyParts)) {
    if (!keyword.trimmed().isEmpty()) page.keywords << keyword.trimmed();
  }
  page.text = QTextDocumentFragment::fromHtml(html).toPlainText().toLower();
  return page;
}

// The pages the contents page links to, in its order.
QStringList ContentsOrder(const QString& folder) {
  QStringList order{"contents.html"};
  const QRegularExpression link("href=\"([^\"#]+\\.html)\"");
  auto matches = link.globalMatch(ReadText(folder + "/contents.html"));
  while (matches.hasNext()) {
    const QString file = matches.next().captured(1);
    if (!order.contains(file)) order << file;
  }
  return order;
}

}  // namespace

HelpCatalog HelpCatalog::Read(const QString& folder) {
  const QStringList order = ContentsOrder(folder);
  HelpCatalog catalog;
  for (const QString& file : QDir(folder).entryList({"*.html"}, QDir::Files)) {
    catalog.pages_.push_back(ReadPage(folder, file));
  }
  auto rank = [&order](const HelpPage& page) {
    const auto at = order.indexOf(page.file);
    return at < 0 ? order.size() : at;
  };
  std::stable_sort(catalog.pages_.begin(), catalog.pages_.end(),
                   [&rank](const HelpPage& a, const HelpPage& b) {
                     if (rank(a) != rank(b)) return rank(a) < rank(b);
                     return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
                   });
  return catalog;
}

std::vector<HelpIndexEntry> HelpCatalog::Index() const {
  std::vector<HelpIndexEntry> entries;
  for (const HelpPage& page : pages_) {
    if (!page.title.isEmpty()) entries.push_back({page.title, page.file});
    for (const QString& keyword : page.keywords) entries.push_back({keyword, page.file});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                     return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
                   });
  return entries;
}

std::vector<const HelpPage*> HelpCatalog::Search(const QString& query) const {
  const QStringList words = query.toLower().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  std::vector<const HelpPage*> found;
  if (words.isEmpty()) return found;
  for (const HelpPage& page : pages_) {
    const bool all = std::all_of(words.begin(), words.end(),
                                 [&page](const QString& word) { return page.text.contains(word); });
    if (all) found.push_back(&page);
  }
  // A word of the title itself ranks above a part of a title word, which ranks above the text.
  auto rank = [&words](const HelpPage* page) {
    int best = 0;
    for (const QString& word : words) {
      const QRegularExpression whole("\\b" + QRegularExpression::escape(word) + "\\b",
                                     QRegularExpression::CaseInsensitiveOption);
      if (whole.match(page->title).hasMatch()) best = std::max(best, 2);
      if (page->title.contains(word, Qt::CaseInsensitive)) best = std::max(best, 1);
    }
    return best;
  };
  std::stable_sort(found.begin(), found.end(),
                   [&rank](const HelpPage* a, const HelpPage* b) { return rank(a) > rank(b); });
  return found;
}

QString HelpCatalog::TitleOf(const QString& file) const {
  for (const HelpPage& page : pages_) {
    if (page.file == file) return page.title;
  }
  return {};
}

}  // namespace tarvel::app
