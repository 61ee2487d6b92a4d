// Slipmaker, the deposit-slip program.
#include "common/ui/programshell.h"
#include "deposits/ui/slipmaker.h"

int main(int argc, char** argv) {
    return pellar::runProgram(deposits::slipmakerProfile(), argc, argv);
}
