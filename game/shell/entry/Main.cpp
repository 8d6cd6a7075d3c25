#include "game/shell/GameEntry.h"

int main(int argc, char** argv)
{
    return Pemberquill::RunPemberquill(argc, argv);
}
