#pragma once
// Option names checked by the compiler. `OptName` is made from a string literal at compile
// time and refers to its row of the option catalogue; a name the catalogue lacks does not
// compile. Names that come from outside (the command line, tests) are looked up at run time
// with `OptName::lookup`, which throws `UnknownOption`.
//
// The name table is generated at build time from the catalogue itself
// (tools/option_names.cpp), so the catalogue stays the one place where options are listed.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pramlet {

namespace detail {
#include "config/OptionNames.inc" // kOptionNames: every name, in catalogue order

// Called only when a name is unknown; since it is not constexpr, a compile-time lookup of an
// unknown name is not a constant expression and the program does not compile.
void unknown_option_name_in_source(); // NOLINT: the name is the compiler's message

consteval std::size_t optionIndex(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kOptionNames); ++i)
        if (kOptionNames[i] == name) return i;
    unknown_option_name_in_source();
    return 0;
}
} // namespace detail

inline constexpr std::size_t kOptionCount = std::size(detail::kOptionNames);

class UnknownOption : public std::out_of_range {
  public:
    explicit UnknownOption(std::string_view name)
        : std::out_of_range("unknown option " + std::string(name)) {}
};

class OptName {
  public:
    // From a literal: checked against the catalogue while compiling.
    consteval OptName(const char* name) : fIndex(detail::optionIndex(name)) {}

    // From a name known only at run time; throws UnknownOption.
    static OptName lookup(std::string_view name);
    // The option of catalogue row `index`; throws std::out_of_range past the catalogue.
    static OptName fromIndex(std::size_t index);

    constexpr std::size_t index() const { return fIndex; }
    constexpr std::string_view name() const { return detail::kOptionNames[fIndex]; }
    std::string str() const { return std::string(name()); }

    friend constexpr bool operator==(OptName a, OptName b) { return a.fIndex == b.fIndex; }
    friend constexpr auto operator<=>(OptName a, OptName b) { return a.fIndex <=> b.fIndex; }

  private:
    struct Row {};
    constexpr OptName(Row, std::size_t index) : fIndex(index) {}
    std::size_t fIndex;
};

// A numbered family of options, such as Baud1Spin .. Baud4Spin: every member is checked while
// compiling; asking for a number outside the family throws std::out_of_range.
//   constexpr OptFamily<4> kBaud{"Baud", "Spin", 1};   kBaud(2) is Baud2Spin
template <std::size_t N> class OptFamily {
  public:
    consteval OptFamily(std::string_view prefix, std::string_view suffix, int first = 0)
        : fFirst(first), fNames(make(prefix, suffix, first, std::make_index_sequence<N>{})) {}

    OptName operator()(int number) const {
        if (number < fFirst || number >= fFirst + static_cast<int>(N))
            throw std::out_of_range("option family has no member " + std::to_string(number));
        return fNames[static_cast<std::size_t>(number - fFirst)];
    }
    int first() const { return fFirst; }
    static constexpr std::size_t size() { return N; }

  private:
    static consteval OptName member(std::string_view prefix, std::string_view suffix, int n) {
        char buf[64] = {};
        std::size_t len = 0;
        for (char c : prefix)
            buf[len++] = c;
        if (n >= 10) buf[len++] = static_cast<char>('0' + n / 10);
        buf[len++] = static_cast<char>('0' + n % 10);
        for (char c : suffix)
            buf[len++] = c;
        return OptName(buf);
    }
    template <std::size_t... I>
    static consteval std::array<OptName, N> make(std::string_view prefix, std::string_view suffix,
                                                 int first, std::index_sequence<I...>) {
        return {member(prefix, suffix, first + static_cast<int>(I))...};
    }

    int fFirst;
    std::array<OptName, N> fNames;
};

inline std::ostream& operator<<(std::ostream& out, OptName n) {
    return out << n.name();
}

// A list of checked names for range-for loops: `for (OptName o : OptNames{"A", "B"})`.
using OptNames = std::initializer_list<OptName>;

} // namespace pramlet
