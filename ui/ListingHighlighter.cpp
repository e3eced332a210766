#include "ui/ListingHighlighter.h"

#include <QSet>

namespace pramlet {

namespace {

// Line states, as bits.
constexpr int kInBrace = 1;   // inside { ... } past the line end
constexpr int kInParen = 2;   // inside (* ... *)
constexpr int kInAsm = 4;     // between ASM; and ENDASM;
constexpr int kTitleNext = 8; // the line after a banner rule is its title

const QSet<QString>& keywords() {
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char* w : {"program",
                              "unit",
                              "uses",
                              "import",
                              "from",
                              "define",
                              "define_fuses",
                              "override_fuses",
                              "implementation",
                              "device",
                              "const",
                              "var",
                              "type",
                              "structconst",
                              "begin",
                              "end",
                              "procedure",
                              "function",
                              "process",
                              "task",
                              "interrupt",
                              "forward",
                              "if",
                              "then",
                              "else",
                              "elsif",
                              "endif",
                              "while",
                              "endwhile",
                              "do",
                              "repeat",
                              "until",
                              "for",
                              "to",
                              "downto",
                              "endfor",
                              "loop",
                              "endloop",
                              "case",
                              "of",
                              "endcase",
                              "with",
                              "endwith",
                              "and",
                              "or",
                              "not",
                              "xor",
                              "shl",
                              "shr",
                              "div",
                              "mod",
                              "in",
                              "record",
                              "endrecord",
                              "array",
                              "asm",
                              "endasm",
                              "exit",
                              "return",
                              "nil",
                              "true",
                              "false",
                              "boolean",
                              "bit",
                              "byte",
                              "char",
                              "word",
                              "integer",
                              "int8",
                              "int16",
                              "int32",
                              "longword",
                              "longint",
                              "float",
                              "string",
                              "pointer",
                              "iData",
                              "xData",
                              "uData"})
            s.insert(QString::fromLatin1(w).toLower());
        return s;
    }();
    return words;
}

bool isIdentStart(QChar c) {
    return c.isLetter() || c == '_';
}
bool isIdent(QChar c) {
    return c.isLetterOrNumber() || c == '_';
}
bool isHex(QChar c) {
    return c.isDigit() || QString("abcdefABCDEF").contains(c);
}

// "{-----...}": the rule above a section's title.
bool isBannerRule(const QString& line) {
    const QString t = line.trimmed();
    if (t.size() < 12 || !t.startsWith("{-") || !t.endsWith("-}")) return false;
    for (int i = 1; i + 1 < t.size(); ++i)
        if (t[i] != '-') return false;
    return true;
}

} // namespace

std::vector<ListingSpan> ListingSpans(const QString& line, int& state) {
    std::vector<ListingSpan> spans;
    const int n = static_cast<int>(line.size());
    auto add = [&](int start, int end, ListingToken t) {
        if (end > start) spans.push_back({start, end - start, t});
    };

    if (isBannerRule(line)) {
        add(0, n, ListingToken::Banner);
        state = (state & kInAsm) | kTitleNext;
        return spans;
    }
    if ((state & kTitleNext) && line.trimmed().startsWith('{') && line.trimmed().endsWith('}')) {
        add(0, n, ListingToken::Banner);
        state &= ~kTitleNext;
        return spans;
    }
    state &= ~kTitleNext;

    int i = 0;
    // A comment left open by the line before.
    if (state & (kInBrace | kInParen)) {
        const bool brace = state & kInBrace;
        const int close = brace ? line.indexOf('}') : line.indexOf("*)");
        if (close < 0) {
            add(0, n, ListingToken::Comment);
            return spans;
        }
        i = close + (brace ? 1 : 2);
        add(0, i, ListingToken::Comment);
        state &= ~(kInBrace | kInParen);
    }

    while (i < n) {
        const QChar c = line[i];
        if (c == '{') {
            const bool directive = i + 1 < n && line[i + 1] == '$';
            const int close = line.indexOf('}', i + 1);
            const int end = close < 0 ? n : close + 1;
            if (close < 0 && !directive) state |= kInBrace;
            add(i, end, directive ? ListingToken::Directive : ListingToken::Comment);
            i = end;
        } else if (c == '(' && i + 1 < n && line[i + 1] == '*') {
            const int close = line.indexOf("*)", i + 2);
            const int end = close < 0 ? n : close + 2;
            if (close < 0) state |= kInParen;
            add(i, end, ListingToken::Comment);
            i = end;
        } else if (c == '/' && i + 1 < n && line[i + 1] == '/') {
            add(i, n, ListingToken::Comment);
            i = n;
        } else if (c == ';' && (state & kInAsm)) {
            // An assembler comment; the ';' that ends "ASM;" is not one.
            add(i, n, ListingToken::Comment);
            i = n;
        } else if (c == '\'') {
            int j = i + 1;
            while (j < n) {
                if (line[j] == '\'') {
                    if (j + 1 < n && line[j + 1] == '\'') {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            add(i, j, ListingToken::String);
            i = j;
        } else if (c == '$' && i + 1 < n && isHex(line[i + 1])) {
            int j = i + 1;
            while (j < n && isHex(line[j]))
                ++j;
            add(i, j, ListingToken::Number);
            i = j;
        } else if (c.isDigit()) {
            int j = i;
            while (j < n && isHex(line[j]))
                ++j;
            // Assembler hexadecimal "0FFh"; otherwise only the decimal digits count.
            if (j < n && (line[j] == 'h' || line[j] == 'H') &&
                (j + 1 >= n || !isIdent(line[j + 1])))
                ++j;
            else
                for (j = i; j < n && line[j].isDigit();)
                    ++j;
            if (j < n && line[j] == '.' && j + 1 < n && line[j + 1].isDigit())
                for (++j; j < n && line[j].isDigit();)
                    ++j;
            add(i, j, ListingToken::Number);
            i = j;
        } else if (isIdentStart(c)) {
            int j = i;
            while (j < n && isIdent(line[j]))
                ++j;
            const QString word = line.mid(i, j - i).toLower();
            if (keywords().contains(word)) {
                add(i, j, ListingToken::Keyword);
                if (word == "asm" && j < n && line[j] == ';') {
                    state |= kInAsm;
                    add(j, j + 1, ListingToken::Keyword);
                    ++j;
                } else if (word == "endasm") {
                    state &= ~kInAsm;
                }
            }
            i = j;
        } else {
            ++i;
        }
    }
    return spans;
}

TListingHighlighter::TListingHighlighter(QTextDocument* document, const QPalette& palette)
    : QSyntaxHighlighter(document) {
    setPalette(palette);
}

void TListingHighlighter::setPalette(const QPalette& palette) {
    // Darker colours on a light base, lighter ones on a dark base.
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    struct Style {
        ListingToken token;
        QColor light, dark;
        bool bold, italic;
    };
    for (const Style& s : {
             Style{ListingToken::Keyword, QColor(0x00, 0x33, 0x99), QColor(0x86, 0xb4, 0xff), true,
                   false},
             Style{ListingToken::Comment, QColor(0x3d, 0x6b, 0x21), QColor(0x9a, 0xc9, 0x82), false,
                   true},
             Style{ListingToken::Directive, QColor(0x7a, 0x1f, 0xa2), QColor(0xd7, 0xa1, 0xff),
                   false, false},
             Style{ListingToken::String, QColor(0xa3, 0x15, 0x15), QColor(0xff, 0xa0, 0x85), false,
                   false},
             Style{ListingToken::Number, QColor(0x00, 0x6d, 0x6d), QColor(0x6f, 0xd8, 0xd0), false,
                   false},
             Style{ListingToken::Banner, QColor(0x8a, 0x4b, 0x00), QColor(0xff, 0xc6, 0x6d), true,
                   false},
         }) {
        QTextCharFormat f;
        f.setForeground(dark ? s.dark : s.light);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        fFormats[static_cast<size_t>(s.token)] = f;
    }
    rehighlight();
}

void TListingHighlighter::highlightBlock(const QString& text) {
    int state = previousBlockState() < 0 ? 0 : previousBlockState();
    for (const ListingSpan& span : ListingSpans(text, state))
        setFormat(span.start, span.length, format(span.token));
    setCurrentBlockState(state);
}

} // namespace pramlet
