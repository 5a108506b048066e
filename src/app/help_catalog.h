// The help pages as a whole: their titles in contents order, the index of their keywords and
// a word search over their text, read from the help folder.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tarvel::app {

struct HelpPage {
  QString file;  // "1542.html"
  QString title;
  QStringList keywords;
  QString text;  // the page without markup, lower case
};

struct HelpIndexEntry {
  QString keyword;
  QString file;
};

class HelpCatalog {
 public:
  // Reads every page of the folder; the contents page's links give the order, pages it does
  // not link come last by title.
  static HelpCatalog Read(const QString& folder);

  const std::vector<HelpPage>& pages() const { return pages_; }
  // Every keyword of every page with the page's title as a keyword too, sorted
  // case-insensitively.
  std::vector<HelpIndexEntry> Index() const;
  // The pages holding every word of the query (case-insensitive); pages with a query word as
  // a word of their title come first, then those with it inside a title word.
  std::vector<const HelpPage*> Search(const QString& query) const;
  // The title of a page, or an empty text when the catalog has no such page.
  QString TitleOf(const QString& file) const;

 private:
  std::vector<HelpPage> pages_;
};

}  // namespace tarvel::app
