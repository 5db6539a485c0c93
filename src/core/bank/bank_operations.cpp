#include "core/bank/bank_operations.h"

namespace numeralia::bank {

namespace {

const OperationTexts kLoan{
    "  -  Préstamos",
    {"Mensualidad", "Capital Final", "Intereses"},
    {"Mensualidad", "Capital Final", "Intereses"},
    {"Mes", "Pago", "Nominal", "Interés", "Pendiente"},
    "¿ Realiza los pagos al final del mes ?",
    {"Pagos al final de cada mes", "Pagos al principio de cada mes"},
};

const OperationTexts kDeposit{
    "  -  Depósitos a Plazo Fijo",
    {"TAE (%)", "Capital Final", "Intereses"},
    {"TAE (%) del depósito a plazo fijo", "Capital final del depósito a plazo fijo",
     "Intereses del depósito a plazo fijo"},
    {"Mes", "Saldo Inicial", "Interés", "Int. Acumulado", "Saldo Final"},
    "",
    {"Intereses mensuales acumulados, pagados al vencimiento",
     "Intereses mensuales acumulados, pagados al vencimiento"},
};

const OperationTexts kSavings{
    "  -  Planes de Ahorro",
    {"Total Aportado", "Capital Final", "Intereses"},
    {"Total aportado al plan de ahorro", "Capital final del plan de ahorro",
     "Intereses del plan de ahorro"},
    {"Mes", "Aportación", "Interés", "Total Aportado", "Saldo"},
    "¿ Realiza las aportaciones al final del mes ?",
    {"Aportaciones al final de cada mes", "Aportaciones al principio de cada mes"},
};

}  // namespace

const OperationTexts& textsOf(Operation operation) {
    switch (operation) {
        case Operation::Deposit:
            return kDeposit;
        case Operation::Savings:
            return kSavings;
        case Operation::Loan:
            break;
    }
    return kLoan;
}

}  // namespace numeralia::bank
