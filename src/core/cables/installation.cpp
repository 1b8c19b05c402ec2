#include "cables/installation.h"

namespace tolvane {
namespace {

// A cable rack: its method, its short form in column 12 and the method it is
// rated under, kept in column 31.
struct RackForm {
    std::string_view method;
    std::string_view stored;
    std::string_view sub;
};
constexpr RackForm kRackForms[] = {
    {kMethodRackInAir, "ｹｰﾌﾞﾙﾗｯｸ配線", kMethodCulvert},
    {kMethodRackCovered, "[ｹｰﾌﾞﾙﾗｯｸ配線]", kMethodConduit},
};

}  // namespace

StoredMethod StoredMethodOf(std::string_view method)
{
    for (const RackForm& rack : kRackForms)
        if (rack.method == method) return {std::string(rack.stored), std::string(rack.sub)};
    return {std::string(method), {}};
}

std::string MethodOfStored(std::string_view method, std::string_view sub)
{
    for (const RackForm& rack : kRackForms)
        if (rack.sub == sub) return std::string(rack.method);
    return std::string(method);
}

}  // namespace tolvane
