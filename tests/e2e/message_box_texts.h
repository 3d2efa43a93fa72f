// The messages the message-box component shows, by index: the same table is
// compiled into the component and into the test that drives it.
#ifndef LQ_TESTS_MESSAGE_BOX_TEXTS_H
#define LQ_TESTS_MESSAGE_BOX_TEXTS_H

struct MessageBoxTexts {
    const char* chinese;  // GBK
    const char* english;
};

const MessageBoxTexts kMessageBoxTexts[] = {
    {"内存不够。安装无法继续。", "Memory not enough!"},
    {"下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)",
     "Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is Recommended)"},
    {"安装失败！请检查一下系统后，再重新安装。谢谢！", nullptr},
};

#endif
