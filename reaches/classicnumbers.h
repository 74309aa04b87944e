#pragma once
// Libraries that format or parse numbers with the C library (printf,
// strtod) follow its locale: a German one would write and read "1,5". Their
// calls run with the numbers of the "C" locale on their thread.

#include <locale.h>

#include <stdexcept>

namespace fluvara {

class TClassicNumbers {
public:
    TClassicNumbers() : locale_(::newlocale(LC_NUMERIC_MASK, "C", ::duplocale(LC_GLOBAL_LOCALE)))
    {
        if (!locale_)
            throw std::runtime_error("Die Arbeitsmappe kann nicht bearbeitet werden (kein Gebietsschema „C“)");
    }
    ~TClassicNumbers() { ::freelocale(locale_); }
    TClassicNumbers(const TClassicNumbers&) = delete;
    TClassicNumbers& operator=(const TClassicNumbers&) = delete;

    // While it lives, this thread formats numbers with the point.
    class TScope {
    public:
        explicit TScope(const TClassicNumbers& numbers) : previous_(::uselocale(numbers.locale_)) { }
        ~TScope() { ::uselocale(previous_); }
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        locale_t previous_;
    };

private:
    locale_t locale_;
};

}  // namespace fluvara
