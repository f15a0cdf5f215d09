#include "ui/rules_text.h"

#include "game/game_context.h"

namespace velinor {

const char* RulesText(int32_t language) {
    return Localized(language,
                     "Link the symbols.\r\n-no crossing\r\n-no empty cell\r\n\r\n"
                     "You may ask for help and reveal one line, but it costs 15 seconds per "
                     "cell.\r\n\r\n"
                     "Velinor is a Japanese pencil puzzle about linking numbers."
                     "\r\nThis version automatically computes grids. Several solutions may "
                     "exist.\r\n\r\n\r\nTry to finish the next example!",
                     "Reliez les symboles identiques.\r\n- pas de croisement\r\n- pas de case "
                     "vide\r\n\r\nSi vous demandez de l'aide, une ligne sera révélée au coût de "
                     "15 secondes par case.\r\n\r\n"
                     "Velinor est un casse-tête japonais sur papier où l'on relie des nombres."
                     "\r\nCette version génère automatiquement les problèmes à l'infini. "
                     "Plusieurs solutions sont possibles.\r\n\r\nEssayez de finir l'example "
                     "suivant!");
}

}  // namespace velinor
