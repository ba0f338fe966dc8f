#include "assets/value_expression.h"

#include "assets/document_error.h"

#include <cctype>

namespace assets {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.';
}

class Parser {
public:
    Parser(const std::string& text, const std::function<double(const std::string&)>& valueOf)
        : text_(text), valueOf_(valueOf) {}

    double whole() {
        const double v = sum();
        skipSpaces();
        if (pos_ != text_.size())
            fail("unexpected '" + text_.substr(pos_, 1) + "'");
        return v;
    }

    // The name at the cursor, as the tokenizer reads it.
    std::string name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '@') {
            ++pos_;
            times();
        }
        return text_.substr(start, pos_ - start);
    }

    void skipSpaces() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    bool atEnd() const { return pos_ == text_.size(); }

private:
    void times() {
        literalDigits();
        if (pos_ + 1 < text_.size() && text_[pos_] == '-' && isDigit(text_[pos_ + 1])) {
            ++pos_;
            literalDigits();
        }
    }

    void literalDigits() {
        while (pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == '.'))
            ++pos_;
    }

    double sum() {
        double v = product();
        for (char op; (op = peek()) == '+' || op == '-';) {
            ++pos_;
            v = op == '+' ? v + product() : v - product();
        }
        return v;
    }

    double product() {
        double v = factor();
        for (char op; (op = peek()) == '*' || op == '/';) {
            ++pos_;
            const double r = factor();
            if (op == '/' && r == 0)
                fail("division by zero");
            v = op == '*' ? v * r : v / r;
        }
        return v;
    }

    double factor() {
        const char c = peek();
        if (c == '(') {
            ++pos_;
            const double v = sum();
            if (peek() != ')')
                fail("missing ')'");
            ++pos_;
            return v;
        }
        if (c == '-') {
            ++pos_;
            return -factor();
        }
        if (isDigit(c))
            return literal();
        if (std::isalpha(static_cast<unsigned char>(c)))
            return valueOf_(name());
        fail(c ? "unexpected '" + std::string(1, c) + "'" : "unexpected end");
        return 0;
    }

    double literal() {
        const std::size_t start = pos_;
        literalDigits();
        try {
            return std::stod(text_.substr(start, pos_ - start));
        } catch (const std::exception&) {
            fail("bad number");
        }
        return 0;
    }

    char peek() {
        skipSpaces();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw DocumentError("{{" + text_ + "}}: " + why);
    }

    const std::string& text_;
    const std::function<double(const std::string&)>& valueOf_;
    std::size_t pos_ = 0;
};

} // namespace

double EvaluateExpression(const std::string& expression,
                          const std::function<double(const std::string&)>& valueOf) {
    return Parser(expression, valueOf).whole();
}

bool IsSingleName(const std::string& expression, std::string& name) {
    const std::size_t first = expression.find_first_not_of(" \t");
    if (first == std::string::npos || !std::isalpha(static_cast<unsigned char>(expression[first])))
        return false;
    const std::function<double(const std::string&)> none;
    Parser p(expression, none);
    p.skipSpaces();
    name = p.name();
    p.skipSpaces();
    return p.atEnd();
}

} // namespace assets
