#include "catalogue.h"

#include <stdexcept>

#include "statements_text.h"

namespace ormitan {
namespace {

// Splits the compiled-in statements file into its lines at compile time; a file that does not
// hold exactly 125 non-empty lines does not compile.
consteval std::array<std::string_view, StatementCount> SplitStatements(std::string_view text) {
    std::array<std::string_view, StatementCount> lines{};
    std::size_t count = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (line.empty() || count == lines.size()) {
            throw std::logic_error("statements.txt must hold 125 non-empty lines");
        }
        lines[count++] = line;
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    if (count != lines.size()) {
        throw std::logic_error("statements.txt must hold 125 non-empty lines");
    }
    return lines;
}

}  // namespace

const std::array<std::string_view, GiftCount> GiftNames = {
    "Пророчество",
    "Пастор",
    "Учитель",
    "Мудрость",
    "Слово знания",
    "Увещевание",
    "Различение духов",
    "Раздаяние",
    "Вспоможение",
    "Благотворительность",
    "Миссионерство",
    "Евангелист",
    "Гостеприимство",
    "Вера",
    "Лидерство",
    "Управление",
    "Чудотворение",
    "Исцеление",
    "Языки",
    "Истолкование языков",
    "Добровольная бедность",
    "Безбрачие",
    "Ходатайство",
    "Изгнание бесов",
    "Служение",
};

constinit const std::array<std::string_view, StatementCount> Statements =
    SplitStatements(content::StatementsText);

std::string_view GiftName(int gift) {
    return GiftNames.at(static_cast<std::size_t>(gift - 1));
}

std::string_view Statement(int number) {
    return Statements.at(static_cast<std::size_t>(number - 1));
}

}  // namespace ormitan
