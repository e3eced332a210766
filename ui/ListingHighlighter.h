#pragma once
// Colours of the listing window: keywords, comments, compiler directives, strings, numbers and
// the section banners of the generated program. Only the display is coloured; the text stays
// plain, so that storing and printing never see a colour.

#include <QPalette>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

namespace pramlet {

enum class ListingToken { Keyword, Comment, Directive, String, Number, Banner, Count };

struct ListingSpan {
    int start;
    int length;
    ListingToken token;
    bool operator==(const ListingSpan&) const = default;
};

// The spans of one line. `state` carries what the line before left open (a comment, an ASM
// block, a banner's title line) and is updated for the next line.
std::vector<ListingSpan> ListingSpans(const QString& line, int& state);

class TListingHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

  public:
    // Colours readable on the palette's base colour (light or dark).
    TListingHighlighter(QTextDocument* document, const QPalette& palette);

    const QTextCharFormat& format(ListingToken token) const {
        return fFormats[static_cast<size_t>(token)];
    }
    void setPalette(const QPalette& palette);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    std::array<QTextCharFormat, static_cast<size_t>(ListingToken::Count)> fFormats;
};

} // namespace pramlet
