#include "performance/StringVectorMap.h"

namespace nubo
{

StringVectorMap::_oneElemenet::_oneElemenet (const juce::String& newKey, const juce::String& newValue)
    : key (newKey)
    , value (newValue)
{
}

StringVectorMap::StringVectorMap (const StringVectorMap& other)
{
    copyStringVectorFrom (other);
}

StringVectorMap& StringVectorMap::operator= (const StringVectorMap& other)
{
    copyStringVectorFrom (other);
    return *this;
}

StringVectorMap::~StringVectorMap() = default;

std::string StringVectorMap::getStringVectorValue (std::string key) const
{
    const auto wanted = juce::String::fromUTF8 (key.c_str(), static_cast<int> (key.size()));

    for (const auto& e : entries)
        if (e->key == wanted)
            return e->value.toStdString();

    return {};
}

void StringVectorMap::copyStringVectorFrom (const StringVectorMap& other)
{
    if (&other == this)
        return;

    std::vector<std::unique_ptr<_oneElemenet>> copies;
    copies.reserve (other.entries.size());

    for (const auto& e : other.entries)
        copies.push_back (std::make_unique<_oneElemenet> (e->key, e->value));

    entries = std::move (copies);
}

void StringVectorMap::setStringVectorValue (const juce::String& key, const juce::String& value)
{
    for (auto& e : entries)
    {
        if (e->key == key)
        {
            e->value = value;
            return;
        }
    }

    entries.push_back (std::make_unique<_oneElemenet> (key, value));
}

const StringVectorMap::_oneElemenet* StringVectorMap::getStringVectorEntry (int index) const noexcept
{
    if (index < 0 || index >= getNumStringVectorEntries())
        return nullptr;

    return entries[static_cast<size_t> (index)].get();
}

} // namespace nubo
