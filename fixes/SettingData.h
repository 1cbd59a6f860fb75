// The Registry data a confirmed setting text becomes: the type it is
// written in and its bytes, and whether the text can be that type at all.
#pragma once

#include <cstdint>
#include <string>

#include "config/Items.h"
#include "platform/Strings.h"

namespace cvn {

// The type the item's value is written in. The item keeps the type it
// read: a string, a number, binary data, and also an expandable or
// multiple string that the check could not judge. An item never read is a
// string; REG_NONE data becomes a number for a "0x" text, else binary data.
uint32_t SettingWriteType(const SettingItem& item, const std::string& text);

// True for the types a setting fix can write.
bool IsWritableSettingType(uint32_t type);

// The bytes of `text` in `type`: strings with their terminating zero (a
// multiple string with its second one), a number from "0x" and eight hex
// digits in little-endian order, binary data from "01 02 ff".
platform::Bytes SettingDataBytes(uint32_t type, const std::string& text);

// Empty when `text` can be written in `type`; else the message that says
// what to type instead.
std::string SettingTextProblem(platform::Strings& texts, uint32_t type, const std::string& text);

}  // namespace cvn
