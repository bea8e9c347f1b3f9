#include "startup.h"

int main(int argc, char** argv) {
    return ormitan::RunOrmitan(argc, argv);
}
