#include "platform/locale.h"

#include <clocale>
#include <langinfo.h>

namespace platform {

LocaleFormats current_locale_formats() {
    std::setlocale(LC_ALL, "");
    return formats_from_strftime(nl_langinfo(D_FMT), nl_langinfo(T_FMT));
}

}  // namespace platform
