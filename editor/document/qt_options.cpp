#include "document/qt_options.h"

#include <algorithm>
#include <iterator>

namespace tgx {

namespace {

// An option QApplication takes out of the arguments, as it takes it.
struct QtOption {
    const char *name;     // with one dash
    bool takesValue;      // the next argument is its value
    bool takesJoinedValue; // also "-name=value"
};

constexpr QtOption kQtOptions[] = {
    {"-platform", true, false},   {"-platformpluginpath", true, false}, {"-platformtheme", true, false},
    {"-plugin", true, false},     {"-style", true, true},               {"-stylesheet", true, true},
    {"-session", true, false},    {"-qwindowgeometry", true, false},    {"-qwindowtitle", true, false},
    {"-qwindowicon", true, false}, {"-display", true, false},           {"-geometry", true, false},
    {"-name", true, false},       {"-title", true, false},              {"-dialogs", true, false},
    {"-fontengine", true, false}, {"-reverse", false, false},           {"-widgetcount", false, false},
    {"-nograb", false, false},    {"-dograb", false, false},
};

// Qt's option that argument names, null when it names none. Qt reads "--name" as "-name".
const QtOption *qtOption(QString argument)
{
    if (argument.startsWith(QLatin1String("--")))
        argument.remove(0, 1);
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions), [&](const QtOption &option) {
        return argument == QLatin1String(option.name)
            || (option.takesJoinedValue && argument.startsWith(QLatin1String(option.name) + u'='));
    });
    return found == std::end(kQtOptions) ? nullptr : found;
}

// How many arguments from i on Qt takes: none, the option, or the option and its value.
int takenByQt(const QStringList &arguments, qsizetype i)
{
    const QtOption *option = qtOption(arguments[i]);
    if (!option)
        return 0;
    if (!option->takesValue || arguments[i].contains(u'='))
        return 1;
    return i + 1 < arguments.size() ? 2 : 0; // Qt takes a value only where one follows
}

} // namespace

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList left = arguments.mid(0, 1); // the program's name
    for (qsizetype i = 1; i < arguments.size();) {
        if (arguments[i] == u"--") {
            left << arguments.mid(i);
            break;
        }
        const int taken = takenByQt(arguments, i);
        if (taken == 0)
            left << arguments[i++];
        i += taken;
    }
    return left;
}

} // namespace tgx
