#include "commandline.h"

int main(int argc, char **argv)
{
    return runZelvane(argc, argv);
}
