#include "core/General.h"

int main(int argc, char** argv)
{
    return General::Run(argc, argv);
}
