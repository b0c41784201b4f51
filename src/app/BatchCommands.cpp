#include "app/BatchCommands.h"

namespace BatchCommands {
namespace {
// Rows are added as the batch commands are built.
const CCommand kTable[] = {
    {"", "", nullptr},
};
}  // namespace

const CCommand* Table(int* pnCount)
{
    *pnCount = 0;  // the placeholder row above is not a command
    return kTable;
}
}  // namespace BatchCommands
