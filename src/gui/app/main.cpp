#include "gui/app/application.h"
#include "gui/shared/asker.h"
#include "gui/app/formmain.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TFormMain window(std::make_unique<TMessageBoxAsker>(), std::make_unique<TSettingsStore>());
    QStringList files = TApplication::arguments();
    files.removeFirst();
    window.SetCommandLineFiles(files);
    window.show();
    return TApplication::exec();
}
