// A program without a version resource, for the GetFileVersion tests (it is never run).
int main() { return 0; }
