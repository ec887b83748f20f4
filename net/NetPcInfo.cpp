#include "net/NetPcInfo.h"

#include <cstdio>

namespace velmoor {

std::string AdapterTypeName(long type)
{
    switch (type) {
    case 1: return "其它";
    case 6: return "以太网";
    case 9: return "令牌环";
    case 15: return "FDDI";
    case 23: return "PPP";
    case 24: return "回路";
    case 28: return "Slip";
    default: return "未知类型 " + std::to_string(type);
    }
}

std::string FormatAdapterAddress(const std::vector<unsigned char>& address)
{
    std::string text;
    for (std::size_t i = 0; i < address.size(); ++i) {
        char piece[4];
        std::snprintf(piece, sizeof piece, i + 1 < address.size() ? "%.2X-" : "%.2X", address[i]);
        text += piece;
    }
    return text;
}

}  // namespace velmoor
