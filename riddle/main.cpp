// raetsel: a riddle in four levels on a text screen.
#include "riddle/riddle.hpp"

int main() {
    riddle_run();
}
