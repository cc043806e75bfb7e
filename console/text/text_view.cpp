#include "console/text/text_view.hpp"

text_view& current_text_view() {
    static text_view view;
    return view;
}
