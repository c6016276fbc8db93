#include "core/General.h"
#include "ui/MDIPrincipal.h"

int main(int argc, char** argv)
{
    return General::Run(argc, argv, [] { MDIPrincipal::Instance().Show(); });
}
