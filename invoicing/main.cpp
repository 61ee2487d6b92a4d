// Billwright, the invoicing program.
#include "common/ui/programshell.h"
#include "invoicing/ui/billwright.h"

int main(int argc, char** argv) {
    return pellar::runProgram(invoicing::billwrightProfile(), argc, argv);
}
