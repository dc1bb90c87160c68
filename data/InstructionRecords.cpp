// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "data/InstructionRecords.h"

#include <array>

namespace zandrel {
namespace {

// The categories, each covering one contiguous run of IDs.
constexpr std::string_view kTransfer = "数据传递类指令";
constexpr std::string_view kArithmetic = "算术运算类指令";
constexpr std::string_view kLogic = "逻辑运算类指令";
constexpr std::string_view kBranch = "控制转移类指令";
constexpr std::string_view kBoolean = "布尔指令";
constexpr std::string_view kDirective = "伪指令";
constexpr std::string_view kSymbol = "指令中的符号标识";

constexpr auto null = std::nullopt;

// Texts are exact, including the doubled blanks in a few mnemonics and the spelling of
// "DEC driect"; users look these up as they stand.
constexpr std::array<InstructionRecord, 130> kRecords{{
    {1, "MOV A,Rn", "寄存器传送到累加器", kTransfer, 1, 1},
    {2, "MOV A,direct", "直接地址传送到累加器", kTransfer, 2, 1},
    {3, "MOV A,@Ri", "累加器传送到外部RAM(8地址)", kTransfer, 1, 1},
    {4, "MOV A,#data", "立即数传送到累加器", kTransfer, 2, 1},
    {5, "MOV Rn,A", "累加器传送到寄存器", kTransfer, 1, 1},
    {6, "MOV Rn,direct", "直接地址传送到寄存器", kTransfer, 2, 2},
    {7, "MOV Rn,#data", "累加器传送到直接地址", kTransfer, 2, 1},
    {8, "MOV direct,Rn", "寄存器传送到直接地址", kTransfer, 2, 1},
    {9, "MOV direct,direct", "直接地址传送到直接地址", kTransfer, 3, 2},
    {10, "MOV direct,A", "累加器传送到直接地址", kTransfer, 2, 1},
    {11, "MOV direct,@Ri", "间接RAM传送到直接地址", kTransfer, 2, 2},
    {12, "MOV direct,#data", "立即数传送到直接地址", kTransfer, 3, 2},
    {13, "MOV @Ri,A", "直接地址传送到直接地址", kTransfer, 1, 2},
    {14, "MOV @Ri,direct", "直接地址传送到间接RAM", kTransfer, 2, 1},
    {15, "MOV @Ri,#data", "立即数传送到间接RAM", kTransfer, 2, 2},
    {16, "MOV DPTR,#data16", "16位常数加载到数据指针", kTransfer, 3, 1},
    {17, "MOVC A,@A+DPTR", "代码字节传送到累加器", kTransfer, 1, 2},
    {18, "MOVC A,@A+PC", "代码字节传送到累加器", kTransfer, 1, 2},
    {19, "MOVX A,@Ri", "外部RAM(8地址)传送到累加器", kTransfer, 1, 2},
    {20, "MOVX A,@DPTR", "外部RAM(16地址)传送到累加器", kTransfer, 1, 2},
    {21, "MOVX @Ri,A", "累加器传送到外部RAM(8地址)", kTransfer, 1, 2},
    {22, "MOVX @DPTR,A", "累加器传送到外部RAM(16地址)", kTransfer, 1, 2},
    {23, "PUSH direct", "直接地址压入堆栈", kTransfer, 2, 2},
    {24, "POP  direct", "直接地址弹出堆栈", kTransfer, 2, 2},
    {25, "XCH  A,Rn", "寄存器和累加器交换", kTransfer, 1, 1},
    {26, "XCH  A,direct", "直接地址和累加器交换", kTransfer, 2, 1},
    {27, "XCH  A,@Ri", "间接RAM和累加器交换", kTransfer, 1, 1},
    {28, "XCHD A,@Ri", "间接RAM和累加器交换低4位字节", kTransfer, 1, 1},
    {29, "INC A", "累加器加1", kArithmetic, 1, 1},
    {30, "INC Rn", "寄存器加1", kArithmetic, 1, 1},
    {31, "INC direct", "直接地址加1", kArithmetic, 2, 1},
    {32, "INC @Ri", "间接RAM加1", kArithmetic, 1, 1},
    {33, "INC DPTR", "数据指针加1", kArithmetic, 1, 2},
    {34, "DEC A", "累加器减1", kArithmetic, 1, 1},
    {35, "DEC Rn", "寄存器减1", kArithmetic, 1, 1},
    {36, "DEC driect", "直接地址减1", kArithmetic, 2, 2},
    {37, "DEC @Ri", "间接RAM减1", kArithmetic, 1, 1},
    {38, "MUL AB", "累加器和B寄存器相乘", kArithmetic, 1, 4},
    {39, "DIV AB", "累加器除以B寄存器", kArithmetic, 1, 4},
    {40, "DA  A", "累加器十进制调整", kArithmetic, 1, 1},
    {41, "ADD A,Rn", "寄存器与累加器求和", kArithmetic, 1, 1},
    {42, "ADD A,direct", "直接地址与累加器求和", kArithmetic, 2, 1},
    {43, "ADD A,@Ri", "间接RAM与累加器求和", kArithmetic, 1, 1},
    {44, "ADD A,#data", "立即数与累加器求和", kArithmetic, 2, 1},
    {45, "ADDC A,Rn", "寄存器与累加器求和(带进位)", kArithmetic, 1, 1},
    {46, "ADDC A,direct", "直接地址与累加器求和(带进位)", kArithmetic, 2, 1},
    {47, "ADDC A,@Ri", "间接RAM与累加器求和(带进位)", kArithmetic, 1, 1},
    {48, "ADDC A,#data", "立即数与累加器求和(带进位)", kArithmetic, 2, 1},
    {49, "SUBB A,Rn", "累加器减去寄存器(带借位)", kArithmetic, 1, 1},
    {50, "SUBB A,direct", "累加器减去直接地址(带借位)", kArithmetic, 2, 1},
    {51, "SUBB A,@Ri", "累加器减去间接RAM(带借位)", kArithmetic, 1, 1},
    {52, "SUBB A,#data", "累加器减去立即数(带借位)", kArithmetic, 2, 1},
    {53, "ANL A,Rn", "寄存器与到累加器", kLogic, 1, 1},
    {54, "ANL A,direct", "直接地址与到累加器", kLogic, 2, 1},
    {55, "ANL A,@Ri", "间接RAM与到累加器", kLogic, 1, 1},
    {56, "ANL A,#data", "立即数与到累加器", kLogic, 2, 1},
    {57, "ANL direct,A", "累加器与到直接地址", kLogic, 2, 1},
    {58, "ANL direct,#data", "立即数与到直接地址", kLogic, 3, 2},
    {59, "ORL A,Rn", "寄存器或到累加器", kLogic, 1, 2},
    {60, "ORL A,direct", "直接地址或到累加器", kLogic, 2, 1},
    {61, "ORL A,@Ri", "间接RAM或到累加器", kLogic, 1, 1},
    {62, "ORL A,#data", "立即数或到累加器", kLogic, 2, 1},
    {63, "ORL direct,A", "累加器或到直接地址", kLogic, 2, 1},
    {64, "ORL direct,#data", "立即数或到直接地址", kLogic, 3, 1},
    {65, "XRL A,Rn", "寄存器异或到累加器", kLogic, 1, 2},
    {66, "XRL A,direct", "直接地址异或到累加器", kLogic, 2, 1},
    {67, "XRL A,@Ri", "间接RAM异或到累加器", kLogic, 1, 1},
    {68, "XRL A,#data", "立即数异或到累加器", kLogic, 2, 1},
    {69, "XRL direct,A", "累加器异或到直接地址", kLogic, 2, 1},
    {70, "XRL direct,#data", "立即数异或到直接地址", kLogic, 3, 1},
    {71, "CLR A", "累加器清零", kLogic, 1, 2},
    {72, "CPL A", "累加器求反", kLogic, 1, 1},
    {73, "RL  A", "累加器循环左移", kLogic, 1, 1},
    {74, "RLC A", "带进位累加器循环左移", kLogic, 1, 1},
    {75, "RR A", "累加器循环右移", kLogic, 1, 1},
    {76, "RRC A", "带进位累加器循环右移", kLogic, 1, 1},
    {77, "SWAP A", "累加器高低4位交换", kLogic, 1, 1},
    {78, "JMP @A+DPTR", "相对DPTR的无条件间接转移", kBranch, 1, 2},
    {79, "JZ rel", "累加器为0则转移", kBranch, 2, 2},
    {80, "JNZ rel", "累加器为1则转移", kBranch, 2, 2},
    {81, "CJNE A,direct,rel", "比较直接地址和累加器,不相等转移", kBranch, 3, 2},
    {82, "CJNE A,#data,rel", "比较立即数和累加器,不相等转移", kBranch, 3, 2},
    {83, "CJNE Rn,#data,rel", "比较寄存器和立即数,不相等转移", kBranch, 2, 2},
    {84, "CJNE @Ri,#data,rel", "比较立即数和间接RAM,不相等转移", kBranch, 3, 2},
    {85, "DJNZ Rn,rel", "寄存器减1,不为0则转移", kBranch, 3, 2},
    {86, "DJNZ direct,rel", "直接地址减1,不为0则转移", kBranch, 3, 2},
    {87, "NOP", "空操作,用于短暂延时", kBranch, 1, 1},
    {88, "ACALL add11", "绝对调用子程序", kBranch, 2, 2},
    {89, "LCALL add16", "长调用子程序", kBranch, 3, 2},
    {90, "RET", "从子程序返回", kBranch, 1, 2},
    {91, "RETI", "从中断服务子程序返回", kBranch, 1, 2},
    {92, "AJMP add11", "无条件绝对转移", kBranch, 2, 2},
    {93, "LJMP add16", "无条件长转移", kBranch, 3, 2},
    {94, "SJMP rel", "无条件相对转移", kBranch, 2, 2},
    {95, "CLR C", "清进位位", kBoolean, 1, 1},
    {96, "CLR bit", "清直接寻址位", kBoolean, 2, 1},
    {97, "SETB C", "置位进位位", kBoolean, 1, 1},
    {98, "SETB bit", "置位直接寻址位", kBoolean, 2, 1},
    {99, "CPL C", "取反进位位", kBoolean, 1, 1},
    {100, "CPL bit", "取反直接寻址位", kBoolean, 2, 1},
    {101, "ANL C,bit", "直接寻址位与到进位位", kBoolean, 2, 2},
    {102, "ANL C,/bit", "直接寻址位的反码与到进位位", kBoolean, 2, 2},
    {103, "ORL C,bit", "直接寻址位或到进位位", kBoolean, 2, 2},
    {104, "ORL C,/bit", "直接寻址位的反码或到进位位", kBoolean, 2, 2},
    {105, "MOV C,bit", "直接寻址位传送到进位位", kBoolean, 2, 1},
    {106, "MOV bit,C", "进位位位传送到直接寻址", kBoolean, 2, 2},
    {107, "JC rel", "如果进位位为1则转移", kBoolean, 2, 2},
    {108, "JNC rel", "如果进位位为0则转移", kBoolean, 2, 2},
    {109, "JB bit,rel", "如果直接寻址位为1则转移", kBoolean, 3, 2},
    {110, "JNB bit,rel", "如果直接寻址位为0则转移", kBoolean, 3, 2},
    {111, "JBC bit,rel", "直接寻址位为1则转移并清除该位", kBoolean, 2, 2},
    {112, "ORG", "指明程序的开始位置", kDirective, null, null},
    {113, "DB", "定义数据表", kDirective, null, null},
    {114, "DW", "定义16位的地址表", kDirective, null, null},
    {115, "EQU", "给一个表达式或一个字符串起名", kDirective, null, null},
    {116, "DATA", "给一个8位的内部RAM起名", kDirective, null, null},
    {117, "XDATA", "给一个8位的外部RAM起名", kDirective, null, null},
    {118, "BIT", "给一个可位寻址的位单元起名", kDirective, null, null},
    {119, "END", "指出源程序到此为止", kDirective, null, null},
    {120, "Rn", "工作寄存器R0-R7", kSymbol, null, null},
    {121, "Ri", "工作寄存器R0和R1", kSymbol, null, null},
    {122, "@Ri", "间接寻址的8位RAM单元地址00H-FFH", kSymbol, null, null},
    {123, "#data8", "8位常数", kSymbol, null, null},
    {124, "#data16", "16位常数", kSymbol, null, null},
    {125, "addr16", "16位目标地址能转移或调用到64KROM的任何地方", kSymbol, null, null},
    {126, "addr11", "11位目标地址在下条指令的2K范围内转移或调用", kSymbol, null, null},
    {127, "rel", "8位偏移量用于SJMP和所有条件转移指令范围-128+127", kSymbol, null, null},
    {128, "bit", "片内RAM中的可寻址位和SFR的可寻址位", kSymbol, null, null},
    {129, "direct", "直接地址范围片内RAM单元00H-7FH和80H-FFH", kSymbol, null, null},
    {130, "$", "指本条指令的起始位置", kSymbol, null, null},
}};

} // namespace

std::span<const InstructionRecord> builtInInstructionRecords()
{
    return kRecords;
}

} // namespace zandrel
