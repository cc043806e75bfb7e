#include "riddle/answers.hpp"

answer_table filled_answer_table() {
    return {"7", "D", "I", "V", "W", "O", "R", "M", "S"};
}

byte_string join(const byte_string& first, const byte_string& second) {
    return first + second;
}

byte_string upper_case(const byte_string& s) {
    byte_string result = s;
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

bool equal(const byte_string& a, const byte_string& b) {
    return a == b;
}
