#include "ParventoApp.h"

int main(int argc, char *argv[])
{
    return ParventoApp::run(argc, argv);
}
