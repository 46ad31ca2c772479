#include <QCoreApplication>

int runPackedItemsTests(int argc, char** argv);
int runDialStringTests(int argc, char** argv);
int runRequestTests(int argc, char** argv);
int runViewReplyTests(int argc, char** argv);
int runAcknowledgementTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    failures += runPackedItemsTests(argc, argv);
    failures += runDialStringTests(argc, argv);
    failures += runRequestTests(argc, argv);
    failures += runViewReplyTests(argc, argv);
    failures += runAcknowledgementTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
