#include "tools/sim_options.h"

#include "reactions/reaction_description.h"
#include "reactions/registry.h"

#include <charconv>
#include <functional>
#include <map>

namespace tarvon {

namespace {

template <typename T> std::optional<T> parseWhole(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

std::string wrong(const std::string& option, const std::string& value,
                  const std::string& accepted) {
    return option + ": '" + OneLineText(value) + "' is not accepted; expected " + accepted;
}

// Each option with a value checks it and stores it; the text is the error.
using Setter =
    std::function<std::string(SimOptions&, const std::string& option, const std::string& value)>;

// The registered keys: "FeO, NH3, HI, HgO" with ", ".
std::string reactionKeys(const char* separator) {
    std::string keys;
    for (const ReactionDescription* r : Reactions())
        keys += (keys.empty() ? "" : separator) + std::string(r->key);
    return keys;
}

std::string setReaction(SimOptions& o, const std::string& option, const std::string& v) {
    o.reaction = FindReaction(v);
    if (o.reaction == nullptr)
        return wrong(option, v, "one of " + reactionKeys(", "));
    return {};
}

std::string setParticles(SimOptions& o, const std::string& option, const std::string& v) {
    const auto n = parseWhole<int>(v);
    if (!n || *n < 1 || *n > 400)
        return wrong(option, v, "a whole number from 1 to 400");
    o.particles = *n;
    return {};
}

std::string setDiameter(SimOptions& o, const std::string& option, const std::string& v) {
    const auto d = parseWhole<double>(v);
    if (!d || (*d != 1.0 && *d != 1.5))
        return wrong(option, v, "1 or 1.5");
    o.diameter = static_cast<float>(*d);
    return {};
}

std::string setInterval(SimOptions& o, const std::string& option, const std::string& v) {
    const auto d = parseWhole<double>(v);
    if (!d || (*d != 0.5 && *d != 1 && *d != 2 && *d != 5 && *d != 10))
        return wrong(option, v, "one of 0.5, 1, 2, 5, 10 (seconds)");
    o.interval = static_cast<float>(*d);
    return {};
}

std::string setDuration(SimOptions& o, const std::string& option, const std::string& v) {
    const auto d = parseWhole<double>(v);
    if (!d || !(*d > 0) || *d > 3600)
        return wrong(option, v, "a number of seconds above 0 and at most 3600");
    o.duration = *d;
    return {};
}

std::string setTick(SimOptions& o, const std::string& option, const std::string& v) {
    const auto n = parseWhole<int>(v);
    if (!n || *n < 1 || *n > 100)
        return wrong(option, v, "a whole number of milliseconds from 1 to 100");
    o.tickMs = *n;
    return {};
}

std::string setSeed(SimOptions& o, const std::string& option, const std::string& v) {
    const auto n = parseWhole<std::uint64_t>(v);
    if (!n)
        return wrong(option, v, "a whole number from 0 to 18446744073709551615");
    o.seed = *n;
    return {};
}

std::string setPng(SimOptions& o, const std::string& option, const std::string& v) {
    if (v.empty())
        return wrong(option, v, "a file name");
    o.png = v;
    return {};
}

std::string setAnalyse(SimOptions& o, const std::string& option, const std::string& v) {
    if (v.empty())
        return wrong(option, v, "a species of the reaction");
    o.analyse = v;
    return {};
}

std::string setLang(SimOptions& o, const std::string& option, const std::string& v) {
    const auto lang = IdiomaDelCodi(v);
    if (!lang)
        return wrong(option, v, "one of ca, es, en");
    o.lang = *lang;
    return {};
}

// The species of the reaction's table, "HI, H2, I2".
std::string speciesOf(const ReactionDescription& r) {
    std::string names;
    for (const DataColumn& c : r.columns)
        names += (names.empty() ? "" : ", ") + std::string(c.name);
    return names;
}

// Checked once the reaction is known, wherever --reaction stands.
std::string checkSpecies(const SimOptions& o) {
    for (const DataColumn& c : o.reaction->columns)
        if (o.analyse == c.name)
            return {};
    return wrong("--analyse", o.analyse, "one of " + speciesOf(*o.reaction));
}

const std::map<std::string, Setter>& valueOptions() {
    static const std::map<std::string, Setter> table{
        {"--reaction", setReaction}, {"--particles", setParticles},
        {"--diameter", setDiameter}, {"--interval", setInterval},
        {"--duration", setDuration}, {"--tick-ms", setTick},
        {"--seed", setSeed},         {"--png", setPng},
        {"--analyse", setAnalyse},   {"--lang", setLang},
    };
    return table;
}

// One argument (with its value, if it takes one); advances k past what it used.
std::string parseOne(SimOptions& o, const std::vector<std::string>& args, std::size_t& k) {
    std::string option = args[k++];
    if (option == "--bench" || option == "--help" || option == "-h") {
        (option == "--bench" ? o.bench : o.help) = true;
        return {};
    }
    if (option == "--fixed-volume") {
        o.fixedVolume = true;
        return {};
    }
    std::optional<std::string> value;
    if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
        value = option.substr(eq + 1);
        option.resize(eq);
    }
    const auto it = valueOptions().find(option);
    if (it == valueOptions().end())
        return OneLineText(option) + ": unknown option; see --help";
    if (!value) {
        if (k >= args.size())
            return option + ": a value is missing; see --help";
        value = args[k++];
    }
    return it->second(o, option, *value);
}

} // namespace

std::string OneLineText(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (u < 0x20 || u == 0x7f)
            out += std::string("\\x") + kHex[u >> 4] + kHex[u & 15];
        else
            out += c;
    }
    return out;
}

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args) {
    SimOptionsResult result;
    for (std::size_t k = 0; k < args.size();) {
        result.error = parseOne(result.options, args, k);
        if (!result.ok())
            return result;
    }
    if (result.options.help)
        return result;
    if (result.options.reaction == nullptr)
        result.error = "--reaction: missing; expected one of " + reactionKeys(", ");
    else if (!result.options.analyse.empty())
        result.error = checkSpecies(result.options);
    return result;
}

const std::string& SimUsage() {
    static const std::string usage =
        "Usage: tarvon-sim --reaction " + reactionKeys("|") +
        " [--particles N] [--diameter 1|1.5]\n"
        "                  [--interval 0.5|1|2|5|10] [--duration SECONDS] [--tick-ms 1..100]\n"
        "                  [--seed K] [--png FILE] [--fixed-volume] [--analyse SPECIES]\n"
        "                  [--lang ca|es|en] [--bench]\n"
        "\n"
        "Runs a reaction without the window and prints its data table: the number\n"
        "of particles of each species against time, tab-separated.\n"
        "\n"
        "  --reaction   the reaction to run (required)\n"
        "  --particles  particle number, 1 to 400 (default 81)\n"
        "  --diameter   diameter factor, 1 or 1.5 (default 1)\n"
        "  --interval   seconds between rows (default 1)\n"
        "  --duration   simulated seconds, at most 3600 (default 60)\n"
        "  --tick-ms    simulated animation interval, 1 to 100 ms (default 50)\n"
        "  --seed       seed of the random generator (default: from the clock)\n"
        "  --png        also write a picture of the box at the end\n"
        "  --fixed-volume  keep the box of the largest particle number (\"Volum constant\")\n"
        "  --analyse    print the reaction order analysis of one species column\n"
        "               instead of the table: ordre, R2, pendent, k for orders 0, 1, 2\n"
        "               and the best order (\"millor\"; \"-\" when the data do not decide)\n"
        "  --lang       language of the table's title and time header (default ca);\n"
        "               the species and the numbers are the same in every language\n"
        "  --bench      print the ticks' wall-clock times to standard error\n";
    return usage;
}

} // namespace tarvon
