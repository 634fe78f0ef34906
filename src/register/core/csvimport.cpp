#include "register/core/csvimport.h"

#include "register/core/csvfields.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>

namespace journal {

namespace {

enum Column {
    DateColumn,
    ClassColumn,
    LabelColumn,
    StrengthColumn,
    AgeColumn,
    PlantColumn,
    NoteColumn,
    ColumnCount
};

struct ColumnName
{
    const char *russian;
    const char *english;
    bool required;
};

constexpr std::array<ColumnName, ColumnCount> columnNames {{
    {"дата", "date", true},
    {"класс", "class", true},
    {"партия", "batch", true},
    {"прочность", "strength", true},
    {"возраст", "age", false},
    {"завод", "plant", false},
    {"примечание", "note", false},
}};

std::optional<Column> columnNamed(std::string_view name)
{
    const std::string lower = lowerCase(trimmed(name));
    for (int c = 0; c < ColumnCount; ++c) {
        if (lower == columnNames[c].russian || lower == columnNames[c].english)
            return static_cast<Column>(c);
    }
    return std::nullopt;
}

std::string columnTitle(int column)
{
    return std::string("«") + columnNames[static_cast<std::size_t>(column)].russian + "»";
}

// Where each column stands in a row (−1: not in the file), and how many fields a row has.
struct Header
{
    char separator = ';';
    std::array<int, ColumnCount> position {-1, -1, -1, -1, -1, -1, -1};
    std::size_t fields = 0;
};

int knownNames(const std::vector<std::string> &names)
{
    return static_cast<int>(std::count_if(
        names.begin(), names.end(), [](const auto &n) { return columnNamed(n).has_value(); }));
}

// The header by the separator that finds the most known names in it.
Header readHeader(const std::string &line, std::size_t number, std::vector<LineProblem> &problems)
{
    Header header;
    std::vector<std::string> names;
    int best = -1;
    for (char separator : {';', '\t', ','}) {
        auto fields = splitCsvLine(line, separator);
        if (fields && knownNames(*fields) > best) {
            best = knownNames(*fields);
            header.separator = separator;
            names = std::move(*fields);
        }
    }
    header.fields = names.size();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto column = columnNamed(names[i]);
        if (!column)
            continue;
        if (header.position[*column] >= 0)
            problems.push_back({number, "столбец " + columnTitle(*column) + " назван дважды"});
        header.position[*column] = static_cast<int>(i);
    }
    for (int c = 0; c < ColumnCount; ++c) {
        if (columnNames[c].required && header.position[c] < 0)
            problems.push_back({number, "в заголовке нет столбца " + columnTitle(c) + " ("
                                            + columnNames[c].english + ")"});
    }
    return header;
}

// The last value read from a text, given again for the same text: the rows of a batch repeat
// their date and class.
template<class T> class Remembered
{
public:
    template<class Read> Reading<T> operator()(std::string_view text, Read &&read)
    {
        if (m_known && text == m_text)
            return m_value;
        auto reading = read(text);
        if (const T *value = std::get_if<T>(&reading)) {
            m_text = text;
            m_value = *value;
            m_known = true;
        }
        return reading;
    }

private:
    bool m_known = false;
    std::string m_text;
    T m_value {};
};

struct RowMemory
{
    Remembered<Date> date;
    Remembered<ConcreteClass> concreteClass;
};

// One row: its batch (with the one sample) or the reason it is bad.
class RowReader
{
public:
    RowReader(const Header &header, const std::vector<std::string_view> &fields, RowMemory &memory)
        : m_header(header)
        , m_fields(fields)
        , m_memory(memory)
    {
    }

    Reading<Batch> read() const
    {
        if (m_fields.size() > m_header.fields
            && std::any_of(m_fields.begin() + static_cast<std::ptrdiff_t>(m_header.fields),
                           m_fields.end(), [](const auto &f) { return !trimmed(f).empty(); }))
            return std::string("больше значений, чем столбцов в заголовке");
        Batch batch;
        std::string why;
        const auto date = [this](std::string_view t) {
            return m_memory.date(t, Date::read);
        };
        const auto concreteClass = [this](std::string_view t) {
            return m_memory.concreteClass(t, readClass);
        };
        if (!take(DateColumn, date, batch.date, why)
            || !take(ClassColumn, concreteClass, batch.concreteClass, why)
            || !text(LabelColumn, batch.label, why))
            return why;
        int age = standardAge;
        Sample sample;
        if (!take(AgeColumn, readAge, age, why)
            || !take(
                StrengthColumn, [age](std::string_view t) { return readSample(t, age); }, sample,
                why)
            || !text(PlantColumn, batch.plant, why) || !text(NoteColumn, batch.note, why))
            return why;
        batch.samples.push_back(std::move(sample));
        return batch;
    }

private:
    // The column's text, empty when the row has none.
    std::string_view field(Column column) const
    {
        const int at = m_header.position[column];
        if (at < 0 || static_cast<std::size_t>(at) >= m_fields.size())
            return {};
        return m_fields[static_cast<std::size_t>(at)];
    }

    template<class T, class Read>
    bool take(Column column, Read &&reader, T &value, std::string &why) const
    {
        const std::string_view t = field(column);
        if (trimmed(t).empty() && columnNames[column].required) {
            why = "нет значения в столбце " + columnTitle(column);
            return false;
        }
        if (trimmed(t).empty())
            return true;
        auto read = reader(t);
        if (auto *reason = std::get_if<std::string>(&read)) {
            why = *reason;
            return false;
        }
        value = std::get<0>(std::move(read));
        return true;
    }

    bool text(Column column, std::string &value, std::string &why) const
    {
        const std::string_view t = trimmed(field(column));
        if (std::any_of(t.begin(), t.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
            why = "управляющий знак в столбце " + columnTitle(column);
            return false;
        }
        value = std::string(t);
        return true;
    }

    const Header &m_header;
    const std::vector<std::string_view> &m_fields;
    RowMemory &m_memory;
};

// Splits a row as splitCsvLine does, into views of the line itself when it holds no quote (as
// nearly every row does), else of `copies`; false when a quote is left open.
bool splitRow(std::string_view line, char separator, std::vector<std::string_view> &fields,
              std::vector<std::string> &copies)
{
    fields.clear();
    if (line.find('"') == std::string_view::npos) {
        for (std::size_t start = 0;;) {
            const std::size_t end = line.find(separator, start);
            fields.push_back(line.substr(start, end - start));
            if (end == std::string_view::npos)
                return true;
            start = end + 1;
        }
    }
    auto split = splitCsvLine(line, separator);
    if (!split)
        return false;
    copies = std::move(*split);
    fields.assign(copies.begin(), copies.end());
    return true;
}

bool isEmptyRow(const std::vector<std::string_view> &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const auto &f) { return trimmed(f).empty(); });
}

// Gathers the rows into batches by date, class, label and plant.
class Gathering
{
public:
    void add(Batch row, std::size_t line)
    {
        const std::size_t at = batchOf(row);
        const std::string note = std::move(row.note);
        if (at == m_result.batches.size()) {
            m_result.batches.push_back(std::move(row));
            m_result.firstLines.push_back(line);
            m_notes.emplace_back();
        } else {
            m_result.batches[at].samples.push_back(std::move(row.samples.front()));
        }
        m_last = at;
        std::vector<std::string> &notes = m_notes[at];
        if (!note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end())
            notes.push_back(note);
        ++m_result.samples;
    }

    CsvBatches finish()
    {
        for (std::size_t i = 0; i < m_notes.size(); ++i) {
            std::string &note = m_result.batches[i].note;
            note.clear();
            for (const std::string &part : m_notes[i])
                note += (note.empty() ? "" : "; ") + part;
        }
        return std::move(m_result);
    }

private:
    // The row's batch, or the number of batches when it starts a new one.
    std::size_t batchOf(const Batch &row)
    {
        // Most rows follow a row of their own batch.
        if (m_last < m_result.batches.size()) {
            const Batch &last = m_result.batches[m_last];
            if (last.date == row.date && last.concreteClass.value == row.concreteClass.value
                && last.label == row.label && last.plant == row.plant)
                return m_last;
        }
        return m_index
            .try_emplace({row.date.key(), row.concreteClass.value, row.label, row.plant},
                         m_result.batches.size())
            .first->second;
    }

    using Key = std::tuple<int, double, std::string, std::string>;
    std::size_t m_last = 0;
    std::map<Key, std::size_t> m_index;
    std::vector<std::vector<std::string>> m_notes;
    CsvBatches m_result;
};

} // namespace

std::string LineProblem::message() const
{
    return "строка " + std::to_string(line) + ": " + reason;
}

std::string CsvRefusal::message() const
{
    std::string text = "Файл не загружен, в журнал ничего не добавлено:";
    for (const LineProblem &problem : problems)
        text += "\n" + problem.message();
    return text;
}

std::variant<CsvBatches, CsvRefusal> readCsv(std::string_view bytes)
{
    const std::string text = csvText(bytes);
    std::vector<LineProblem> problems;
    std::optional<Header> header;
    Gathering gathering;
    std::size_t number = 0;
    std::vector<std::string_view> fields;
    std::vector<std::string> copies;
    RowMemory memory;
    for (std::string_view rest = text; !rest.empty();) {
        // A line ends at LF or CR LF (as text::LineSplitter splits them, without the copies).
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        if (end < rest.size() && line.ends_with('\r'))
            line.remove_suffix(1);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        ++number;
        if (!header) {
            if (!trimmed(line).empty())
                header = readHeader(std::string(line), number, problems);
            if (!problems.empty())
                break; // the rows cannot be read without their columns
            continue;
        }
        if (!splitRow(line, header->separator, fields, copies)) {
            problems.push_back({number, "кавычка не закрыта"});
            continue;
        }
        if (isEmptyRow(fields))
            continue;
        auto row = RowReader(*header, fields, memory).read();
        if (auto *why = std::get_if<std::string>(&row))
            problems.push_back({number, std::move(*why)});
        else if (problems.empty())
            gathering.add(std::get<Batch>(std::move(row)), number);
    }
    if (!header)
        problems.push_back({1, "нет строки заголовка (дата;класс;партия;прочность)"});
    if (!problems.empty())
        return CsvRefusal {std::move(problems)};
    return gathering.finish();
}

} // namespace journal
