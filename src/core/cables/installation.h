// Installation methods (配線方式) of a run and the burial depths of the
// buried method, as the entry forms offer them and the cable window reads them.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kMethodRackInAir = "ｹｰﾌﾞﾙﾗｯｸ配線(気中)";
inline constexpr std::string_view kMethodRackCovered = "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)";
inline constexpr std::string_view kMethodCulvert = "気中暗渠配線";
inline constexpr std::string_view kMethodConduit = "保護管配線";
inline constexpr std::string_view kMethodBuried = "地中保護管配線";

// The installation-method list, in the order it is offered.
inline constexpr std::string_view kInstallationMethods[] = {kMethodRackInAir, kMethodRackCovered, kMethodCulvert,
                                                           kMethodConduit, kMethodBuried};

// The burial depths of the buried method.
inline constexpr std::string_view kBurialDepths[] = {"H=300", "H=600", "H=1200"};

// How a sheet row holds an installation method: the two cable-rack methods in
// a short form in column 12 with the method they are rated under in column 31,
// every other method as its name with column 31 empty.
struct StoredMethod {
    std::string method;  // column 12
    std::string sub;     // column 31
};
StoredMethod StoredMethodOf(std::string_view method);
// The method an entry form shows for a row's columns 12 and 31.
std::string MethodOfStored(std::string_view method, std::string_view sub);

}  // namespace tolvane
