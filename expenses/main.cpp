// PellarSpendlogFREE: records the business's payments. It starts straight in its start form.
#include "common/ui/programshell.h"
#include "expenses/ui/spendlogforms.h"

int main(int argc, char** argv) {
    return pellar::runProgram(expenses::spendlogProfile(), argc, argv);
}
